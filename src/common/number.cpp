#include "common/number.h"

#include <cmath>
#include <cstdlib>

namespace presslane {

std::optional<double> read_number(const std::string& field) {
    const std::size_t begin = field.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::nullopt;
    const char* start = field.c_str() + begin;
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (end == start || !std::isfinite(value)) return std::nullopt;
    if (field.find_first_not_of(" \t", end - field.c_str()) != std::string::npos) {
        return std::nullopt;
    }
    return value;
}

}  // namespace presslane
