#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace presslane::fuzz {

// The fuzzer's input as text.
std::string_view text_of(const std::uint8_t* data, std::size_t size);

// The input cut at its NUL bytes into exactly `count` parts: missing parts are empty and the last
// part keeps any further NUL. One seed file holds several values this way and stays readable.
std::vector<std::string_view> parts(std::string_view input, std::size_t count);

// Stops the run, naming the promise, when a property the code promises does not hold; the fuzzer
// keeps the input that broke it like the input of a crash.
void require(bool holds, const char* promise);

// The whole content of a file, or "" when it cannot be read.
std::string file_bytes(const std::string& path);
// Replaces the file's content with these bytes.
void put_file(const std::string& path, std::string_view bytes);

}  // namespace presslane::fuzz
