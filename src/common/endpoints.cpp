#include "common/endpoints.h"

namespace presslane::endpoints {
namespace {

std::string without_trailing_slash(std::string s) {
    while (!s.empty() && s.back() == '/') s.pop_back();
    return s;
}

}  // namespace

std::string program_version() { return PRESSLANE_VERSION; }

std::string product_server() { return without_trailing_slash(PRESSLANE_SERVER); }

std::string product_domain() { return host_of(product_server()); }

std::string home_page() { return product_server() + "/"; }

std::string default_start_page() { return "https://news.naver.com/"; }

std::string visit_counter() { return product_server() + "/presslane_counter/counter.php"; }

std::string version_file() {
    return product_server() + "/soft/lane_desk/upgrade/lane_desk_version.txt";
}

std::string updater_program() { return product_server() + "/soft/lane_desk/upgrade/update.exe"; }

std::string main_program() { return product_server() + "/soft/lane_desk/upgrade/lane_desk.exe"; }

std::string mail_form() { return product_server() + "/soft/lane_desk/sendmail.php"; }

// The portal's page-translation gateway; the service has since closed, the address is kept as the
// one its path scheme belongs to.
std::string translation_gateway() { return "http://j2k.naver.com"; }

std::string all_newspapers() {
    return product_server() + "/soft/lane_desk/radio_guide/all_newspaper01.html";
}

// The ranking service has closed; its address is kept as the one its path belongs to.
std::string ranking() { return "https://www.alexa.com/site/ds/top_sites?ts_mode=lang&lang=ko"; }

std::string breaking_news() { return "https://www.yonhapnews.co.kr/services/0300000000.html"; }

std::string article_search() { return "https://www.bigkinds.or.kr/"; }

std::string verified_radio_list() {
    return product_server() + "/soft/lane_desk/radio_guide/radiobook.res";
}

std::string radio_guide() { return product_server() + "/soft/lane_desk/radio_guide/"; }

std::string radio_board(const std::string& id) {
    return product_server() + "/cgi-bin/[mind_control]/board.cgi?id=" + id;
}

std::string broadcaster_search() {
    return "https://search.daum.net/cgi-bin/nsp/search.cgi?w=tot&q=방송";
}

std::string host_of(const std::string& address) {
    std::size_t start = address.find("://");
    start = start == std::string::npos ? 0 : start + 3;
    const std::size_t end = address.find_first_of("/:?#", start);
    return address.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace presslane::endpoints
