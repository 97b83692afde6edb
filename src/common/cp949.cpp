#include "common/cp949.h"

#include <cerrno>
#include <cstdint>

#include <iconv.h>

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

// Length of the UTF-8 sequence that starts with lead, or 1 for a byte that starts none.
std::size_t utf8_length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// Length of the character that failed to encode: a whole UTF-8 sequence, or a single byte when
// the bytes after its lead do not continue it, so a broken sequence never swallows the
// separators and line breaks that follow it.
std::size_t failed_length(std::string_view utf8) {
    const std::size_t n = utf8_length(static_cast<unsigned char>(utf8.front()));
    if (n > utf8.size()) return 1;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(utf8[k]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

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
        utf8.remove_prefix(failed_length(utf8));
    }
    return out;
}

std::size_t whole_prefix(std::string_view bytes, std::size_t max_bytes) {
    const std::size_t limit = std::min(bytes.size(), max_bytes);
    std::size_t i = 0;
    while (i < limit) {
        const auto c = static_cast<std::uint8_t>(bytes[i]);
        const std::size_t n = (c >= 0x81 && c <= 0xFE) ? 2 : 1;
        if (i + n > limit) break;
        i += n;
    }
    // A lone lead byte at the very end of the body, or a chunk of one byte, still advances.
    return (i == 0 && limit > 0) ? 1 : i;
}

}  // namespace presslane::cp949
