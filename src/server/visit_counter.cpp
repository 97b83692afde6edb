#include "server/visit_counter.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "common/file_write.h"

namespace presslane {
namespace {

// The count a file holds: digits, then an optional line end (LF or CR LF), nothing else. An empty
// file, as an operator may create it, holds 0.
std::optional<std::uint64_t> parse_count(std::string text) {
    if (text.ends_with('\n')) text.pop_back();
    if (text.ends_with('\r')) text.pop_back();
    std::uint64_t value = 0;
    if (text.empty()) return value;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

VisitCounter::VisitCounter(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<std::uint64_t> VisitCounter::count() {
    std::lock_guard lock(mutex_);
    std::uint64_t current = 0;
    std::error_code error;
    if (std::filesystem::exists(file_, error)) {
        std::ifstream in(file_, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) return std::nullopt;
        const auto stored = parse_count(std::move(text));
        if (!stored || *stored == UINT64_MAX) return std::nullopt;
        current = *stored;
    } else if (error) {
        return std::nullopt;
    }
    if (!write_file_atomically(file_, std::to_string(current + 1) + "\n")) return std::nullopt;
    return current + 1;
}

}  // namespace presslane
