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

// A portal's news front page with every paper's headlines, and a portal's newsstand of front
// pages.
std::string newspaper_shop() { return "https://news.daum.net/"; }

std::string newsstand() { return "https://newsstand.naver.com/"; }

std::string default_start_page() { return "https://news.naver.com/"; }

std::string visit_counter() { return product_server() + "/presslane_counter/counter.php"; }

std::string version_file() {
    return product_server() + "/soft/lane_desk/upgrade/lane_desk_version.txt";
}

std::string updater_program() { return product_server() + "/soft/lane_desk/upgrade/update.exe"; }

std::string main_program() { return product_server() + "/soft/lane_desk/upgrade/lane_desk.exe"; }

std::string mail_form() { return product_server() + "/soft/lane_desk/sendmail.php"; }

// The portal's gateway that translated Japanese pages has closed; the same portal's web-page
// translation takes its place and shows the paper translated into Korean.
std::string translation_gateway() {
    return "https://papago.naver.net/website?locale=ko&source=ja&target=ko&url=";
}

std::string all_newspapers() {
    return product_server() + "/soft/lane_desk/radio_guide/all_newspaper01.html";
}

// The ranking service of the top sites in Korean has closed; a web-traffic ranking of the sites
// most visited in Korea serves the same purpose.
std::string ranking() { return "https://www.similarweb.com/top-websites/south-korea/"; }

// The news agency moved to its own domain; its list of the latest articles replaces the old
// breaking-news page.
std::string breaking_news() { return "https://www.yna.co.kr/news"; }

// Current: the press foundation's search of articles of every national paper.
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

// 엠파스 was merged into 네이트, whose search host serves its path; 야후 closed its Korean portal,
// so its own search host and home page stand in.
std::vector<std::string> portal_search_hosts() {
    return {"https://search.naver.com", "https://search.nate.com",  "https://search.daum.net",
            "https://search.yahoo.com", "https://www.google.co.kr", "https://search.nate.com"};
}

std::vector<std::string> portal_home_pages() {
    return {"https://www.naver.com/", "https://www.nate.com/",     "https://www.daum.net/",
            "https://www.yahoo.com/", "https://www.google.co.kr/", "https://www.nate.com/"};
}

// Providers that closed point at their successors: 라이코스 and 엠팔 at 네이트, 핫메일 at its
// successor, 파란 at 다음, which took over its mail; 오르지오 and 네띠앙 have no successor and keep
// their own addresses.
std::vector<std::string> webmail_pages() {
    return {"https://www.daum.net/",     "https://www.nate.com/",   "https://www.nate.com/",
            "https://outlook.live.com/", "https://www.naver.com/",  "http://www.orgio.net/",
            "https://www.daum.net/",     "https://mail.korea.com/", "http://www.netian.com/",
            "https://mail.yahoo.com/",   "https://mail.google.com/"};
}

// 엠파스 closed and was merged into 네이트, whose front page over HTTPS holds its login box; its
// fields are filled only where they carry the names the window fills, and the window tells the
// user otherwise. The end-to-end build points it at a loopback server.
std::string webmail_login_page() {
#ifdef PRESSLANE_WEBMAIL_LOGIN
    return PRESSLANE_WEBMAIL_LOGIN;
#else
    return "https://www.nate.com/";
#endif
}

std::string host_of(const std::string& address) {
    std::size_t start = address.find("://");
    start = start == std::string::npos ? 0 : start + 3;
    const std::size_t end = address.find_first_of("/:?#", start);
    return address.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace presslane::endpoints
