#pragma once

#include <string>

namespace presslane {

// The all-newspapers page the product server publishes, made from the program's own catalogue:
// every category bar as a section, every menu of it as a group with its sub-headings, and every
// site as a link to the address its logo opens (a bare host name gets "http://"). Korean, UTF-8,
// readable on a phone.
std::string all_newspapers_page();

// The address a catalogue target opens as a link.
std::string link_address(const std::string& target);

}  // namespace presslane
