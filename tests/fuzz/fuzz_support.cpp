#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace presslane::fuzz {

std::string_view text_of(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

std::vector<std::string_view> parts(std::string_view input, std::size_t count) {
    std::vector<std::string_view> out;
    while (out.size() + 1 < count) {
        const std::size_t nul = input.find('\0');
        if (nul == std::string_view::npos) break;
        out.push_back(input.substr(0, nul));
        input.remove_prefix(nul + 1);
    }
    out.push_back(input);
    out.resize(count);
    return out;
}

void require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put_file(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace presslane::fuzz
