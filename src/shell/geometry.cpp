#include "shell/geometry.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "common/record_file.h"

namespace presslane::geometry {
namespace {

std::optional<int> number(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return std::nullopt;
    if (value < -1e9 || value > 1e9) return std::nullopt;
    return static_cast<int>(std::lround(value));
}

}  // namespace

std::optional<Rect> parse(const std::string& line) {
    const Record fields = split_fields(line);
    if (fields.size() < 4) return std::nullopt;
    const auto left = number(fields[0]);
    const auto top = number(fields[1]);
    const auto width = number(fields[2]);
    const auto height = number(fields[3]);
    if (!left || !top || !width || !height) return std::nullopt;
    return Rect{*left, *top, *width, *height};
}

Rect restore(const std::string& first_line, Size work, Size screen) {
    if (first_line.empty()) return {3200, 0, work.width - 3200, work.height - 380};
    const auto saved = parse(first_line);
    const bool valid = saved && saved->left >= -180 && saved->left <= screen.width &&
                       saved->top >= -180 && saved->top <= screen.height && saved->width >= 1905 &&
                       saved->height >= 510;
    if (!valid) return {3200, 0, work.width - 3200, work.height};
    return *saved;
}

std::string format(const Rect& r) {
    return std::to_string(r.left) + "|" + std::to_string(r.top) + "|" + std::to_string(r.width) +
           "|" + std::to_string(r.height);
}

}  // namespace presslane::geometry
