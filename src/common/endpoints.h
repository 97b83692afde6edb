#pragma once

#include <string>
#include <vector>

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
// The newspaper-shop and newsstand pages the settings dialog offers as start pages.
std::string newspaper_shop();
std::string newsstand();
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
// Japanese-to-Korean web-page translation: the paper's address, percent-encoded, follows.
std::string translation_gateway();
// The all-newspapers page compiled on the product server.
std::string all_newspapers();
// A ranking of the web sites most visited in Korea.
std::string ranking();
// The news agency's latest news, newest first.
std::string breaking_news();
// The national news-article search service.
std::string article_search();

// The verified channel list, the radio guide and the two channel boards on the product server.
std::string verified_radio_list();
std::string radio_guide();
std::string radio_board(const std::string& id);
// A portal's integrated search for broadcasters.
std::string broadcaster_search();

// The portal search window's six engines, in its order (네이버, 엠파스, 다음, 야후, 구글, 네이트):
// the scheme and host their search paths follow, and their home pages.
std::vector<std::string> portal_search_hosts();
std::vector<std::string> portal_home_pages();
// The web-mail window's eleven providers, in its order: the page each logo opens.
std::vector<std::string> webmail_pages();
// The portal login page whose "userid" and "passwd" fields the web-mail window fills.
std::string webmail_login_page();

// The host part of an address: between "://" (or the start) and the next "/", ":" or "?".
std::string host_of(const std::string& address);

}  // namespace presslane::endpoints
