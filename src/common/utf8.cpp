#include "common/utf8.h"

namespace presslane::utf8 {

std::size_t sequence_length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

std::size_t failed_length(std::string_view text) {
    const std::size_t n = sequence_length(static_cast<unsigned char>(text.front()));
    if (n > text.size()) return 1;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

std::optional<char32_t> front(std::string_view text, std::size_t& length) {
    if (text.empty()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    const std::size_t n = sequence_length(lead);
    if (n == 1 || n > text.size()) return std::nullopt;
    char32_t c = lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto next = static_cast<unsigned char>(text[k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    length = n;
    return c;
}

void append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace presslane::utf8
