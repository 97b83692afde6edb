#pragma once

#include <string>

namespace presslane::endpoints {

// Every address of the outside world the program uses, in one place. The product server's base
// address is a build setting.

// The program's version as shown in the caption and compared by the version check.
std::string program_version();
// Base address of the product web server, without a trailing "/".
std::string product_server();
// The product's web domain shown in the main window's caption (the host of the product server).
std::string product_domain();
// The product's home page.
std::string home_page();
// Start page written to a new settings file: the news front page of a Korean portal.
std::string default_start_page();
// The visit-counter page loaded into the hidden browser at every start-page load.
std::string visit_counter();

// The host part of an address: between "://" (or the start) and the next "/", ":" or "?".
std::string host_of(const std::string& address);

}  // namespace presslane::endpoints
