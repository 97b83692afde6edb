#pragma once

#include <string>
#include <string_view>

namespace presslane {

// Every byte that is not an unreserved character (letters, digits, "-", ".", "_", "~") as "%XX",
// so the value stays one query parameter whatever it holds. The bytes may be of any encoding.
std::string percent_encode(std::string_view bytes);

}  // namespace presslane
