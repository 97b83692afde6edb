#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace presslane::utf8 {

// Length of the UTF-8 sequence that starts with lead, or 1 for a byte that starts none.
std::size_t sequence_length(unsigned char lead);

// Length of a character at the front of text that failed to convert: its whole sequence, or a
// single byte when the bytes after its lead do not continue it, so a broken sequence never
// swallows the separators and line breaks that follow it. text must not be empty.
std::size_t failed_length(std::string_view text);

// The character at the front of text and the bytes it takes, when they are well-formed UTF-8
// (no overlong form, no surrogate, nothing above U+10FFFF); nothing otherwise.
std::optional<char32_t> front(std::string_view text, std::size_t& length);

// Appends the character in UTF-8.
void append(std::string& out, char32_t c);

}  // namespace presslane::utf8
