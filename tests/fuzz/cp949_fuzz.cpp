// The CP949 codec both ways, on any bytes: decoding never fails and gives UTF-8; encoding never
// gains or loses a field separator or line break; valid CP949 survives a round trip, also when it
// is decoded in the chunks a download hands out.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/cp949.h"
#include "fuzz_support.h"

using namespace presslane;

namespace {

// Well-formed UTF-8: no stray or overlong sequence, no surrogate.
bool valid_utf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            n = 1, cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2, cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size()) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

std::size_t count_of(std::string_view s, char c) {
    return std::size_t(std::count(s.begin(), s.end(), c));
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::text_of(data, size);

    // Bytes read from a record file or a server.
    const std::string text = cp949::decode(bytes);
    fuzz::require(valid_utf8(text), "decoding gives valid UTF-8");
    for (const char c : {'|', '\r', '\n'})
        fuzz::require(count_of(text, c) == count_of(bytes, c),
                      "decoding keeps every field separator and line break");
    const bool valid = text.find(kReplacement) == std::string::npos;
    if (valid) fuzz::require(cp949::encode(text) == bytes, "valid CP949 survives a round trip");

    // The same bytes decoded chunk by chunk, as a download reads a body; a chunk of at least two
    // bytes, so that a double-byte character fits in one.
    const std::size_t chunk = size == 0 ? 2 : 2 + data[0] % 15;
    std::string chunked;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t n = cp949::whole_prefix(bytes.substr(pos), chunk);
        fuzz::require(n >= 1 && n <= chunk, "a chunk advances and stays within its limit");
        chunked += cp949::decode(bytes.substr(pos, n));
        pos += n;
    }
    if (valid) fuzz::require(chunked == text, "chunks never split a character");

    // The same bytes taken as UTF-8 text typed by the user.
    const std::string stored = cp949::encode(bytes);
    for (const char c : {'|', '\r', '\n'})
        fuzz::require(count_of(stored, c) == count_of(bytes, c),
                      "encoding keeps every field separator and line break");
    if (valid_utf8(bytes) && count_of(stored, '?') == count_of(bytes, '?'))
        fuzz::require(cp949::decode(stored) == bytes, "text CP949 can hold survives a round trip");
    return 0;
}
