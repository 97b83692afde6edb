#include "common/cp949.h"

#include <cerrno>

#include <iconv.h>

#include "common/utf8.h"

namespace presslane::cp949 {
namespace {

// One conversion descriptor per call: iconv keeps shift state, and the program never converts on
// two threads, but a fresh descriptor keeps every call independent of the last one's errors.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of in as it can; returns the bytes that did not convert (0 when all did).
    std::size_t convert(std::string_view& in, std::string& out) {
        char buffer[256];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t src_left = in.size();
            char* dst = buffer;
            std::size_t dst_left = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - src_left);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) return in.size();
        }
        return 0;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string decode(std::string_view bytes) {
    std::string out;
    Converter conv("UTF-8", "CP949");
    if (!conv.ok()) {
        // Without the codec only ASCII can be read honestly.
        for (unsigned char c : bytes) out += c < 0x80 ? std::string(1, char(c)) : "\xEF\xBF\xBD";
        return out;
    }
    while (!bytes.empty()) {
        if (conv.convert(bytes, out) == 0) break;
        out += "\xEF\xBF\xBD";
        bytes.remove_prefix(1);
    }
    return out;
}

std::string encode(std::string_view utf8) {
    std::string out;
    Converter conv("CP949", "UTF-8");
    while (!utf8.empty()) {
        if (conv.ok() && conv.convert(utf8, out) == 0) break;
        if (!conv.ok()) {
            const unsigned char c = static_cast<unsigned char>(utf8.front());
            if (c < 0x80) {
                out += char(c);
                utf8.remove_prefix(1);
                continue;
            }
        }
        // One unencodable character, or one byte that is not UTF-8, costs one "?".
        out += '?';
        utf8.remove_prefix(utf8::failed_length(utf8));
    }
    return out;
}

}  // namespace presslane::cp949
