#pragma once

#include <string>
#include <string_view>

namespace presslane::cp949 {

// CP949 (the Korean ANSI code page) to UTF-8. A byte sequence that is not valid CP949 becomes
// U+FFFD, one per bad byte, and decoding goes on; it never fails.
std::string decode(std::string_view cp949_bytes);

// UTF-8 to CP949. A character CP949 cannot hold, and a byte that is not valid UTF-8, becomes "?",
// so the result never gains a field separator or a line break that the text did not have.
std::string encode(std::string_view utf8);

// The length of the longest prefix of bytes (at most max_bytes) that does not end inside a
// double-byte character; at least 1 when bytes is not empty and max_bytes is not 0, so a reader
// that takes chunks always advances.
std::size_t whole_prefix(std::string_view cp949_bytes, std::size_t max_bytes);

}  // namespace presslane::cp949
