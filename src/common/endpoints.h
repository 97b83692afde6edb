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
// The published version text, the updater and the new main program on the product server.
std::string version_file();
std::string updater_program();
std::string main_program();
// The mail form on the product server that mails an article's address.
std::string mail_form();
// Japanese-to-Korean page translation gateway (base; "/j2k.php/korean/" + host follows).
std::string translation_gateway();
// The all-newspapers page compiled on the product server.
std::string all_newspapers();
// The world ranking of web sites, top sites in Korean.
std::string ranking();
// The news agency's breaking-news page.
std::string breaking_news();
// The national news-article search service.
std::string article_search();

// The verified channel list, the radio guide and the two channel boards on the product server.
std::string verified_radio_list();
std::string radio_guide();
std::string radio_board(const std::string& id);
// A portal's integrated search for broadcasters.
std::string broadcaster_search();

// The host part of an address: between "://" (or the start) and the next "/", ":" or "?".
std::string host_of(const std::string& address);

}  // namespace presslane::endpoints
