#pragma once

#include <optional>
#include <string>

namespace presslane {

// A record field read as a decimal number, blanks around it allowed ("1", " 1", "1.0", "-2");
// nothing for an empty field or one that holds anything else.
std::optional<double> read_number(const std::string& field);

}  // namespace presslane
