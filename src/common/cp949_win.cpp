#include <windows.h>

#include "common/cp949.h"
#include "common/utf8.h"

namespace presslane::cp949 {
namespace {

constexpr UINT kCodePage = 949;
constexpr const char* kReplacement = "\xEF\xBF\xBD";

bool is_lead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Windows maps CP949's user-defined rows to the private use area; they hold no character any
// other reader of the file would agree on, so they count as bad bytes both ways.
bool is_private_use(char32_t c) { return c >= 0xE000 && c <= 0xF8FF; }

// The character CP949 holds in these one or two bytes; nothing when they hold none.
std::optional<char32_t> decode_one(std::string_view bytes) {
    wchar_t wide[2];
    const int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                      static_cast<int>(bytes.size()), wide, 2);
    if (n != 1 || is_private_use(wide[0])) return std::nullopt;
    return static_cast<char32_t>(wide[0]);
}

// The CP949 bytes of one character, or nothing when CP949 cannot hold it.
std::optional<std::string> encode_one(char32_t c) {
    if (c > 0xFFFF || is_private_use(c)) return std::nullopt;  // nothing beyond the basic plane
    const wchar_t wide = static_cast<wchar_t>(c);
    char bytes[4];
    BOOL defaulted = FALSE;
    const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                      sizeof bytes, nullptr, &defaulted);
    if (n <= 0 || defaulted) return std::nullopt;
    return std::string(bytes, static_cast<std::size_t>(n));
}

}  // namespace

std::string decode(std::string_view bytes) {
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        // A lead byte whose pair is no character stands alone as a bad byte; the byte after it
        // is read again on its own.
        if (is_lead(c) && i + 1 < bytes.size()) {
            if (const std::optional<char32_t> decoded = decode_one(bytes.substr(i, 2))) {
                utf8::append(out, *decoded);
                i += 2;
                continue;
            }
        }
        out += kReplacement;
        ++i;
    }
    return out;
}

std::string encode(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        std::size_t length = 0;
        const std::optional<char32_t> c = utf8::front(text, length);
        std::optional<std::string> bytes;
        if (c && *c < 0x80) {
            bytes = std::string(1, static_cast<char>(*c));
        } else if (c) {
            bytes = encode_one(*c);
        }
        if (!bytes) {
            // One unencodable character, or one byte that is not UTF-8, costs one "?".
            out += '?';
            text.remove_prefix(utf8::failed_length(text));
            continue;
        }
        out += *bytes;
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace presslane::cp949
