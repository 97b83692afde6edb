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

std::string host_of(const std::string& address) {
    std::size_t start = address.find("://");
    start = start == std::string::npos ? 0 : start + 3;
    const std::size_t end = address.find_first_of("/:?#", start);
    return address.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace presslane::endpoints
