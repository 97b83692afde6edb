#include "search/portal_search_controller.h"

#include "browse/browser.h"
#include "common/cp949.h"
#include "common/endpoints.h"
#include "common/event_pump.h"
#include "common/item_list.h"
#include "common/percent_encode.h"
#include "search/placement.h"

namespace presslane {

const std::array<PortalSearchController::Engine, 6> PortalSearchController::kEngines = {{
    {"네이버", "/search.naver?query=", "", false},
    {"엠파스", "/search/all.html?q=", "", false},
    {"다음", "/cgi-bin/nsp/search.cgi?q=", "", false},
    {"야후", "/bin/search?p=", "", false},
    {"구글", "/search?q=", "&hl=ko&ie=euc-kr&oe=euc-kr&lr=lang_ko", true},
    {"네이트", "/search/srch_allindex.asp?query=", "", false},
}};

std::vector<PortalSearchController::Site> PortalSearchController::default_sites() {
    const std::vector<std::string> hosts = endpoints::portal_search_hosts();
    const std::vector<std::string> homes = endpoints::portal_home_pages();
    std::vector<Site> sites;
    for (std::size_t i = 0; i < hosts.size() && i < homes.size(); ++i)
        sites.push_back({hosts[i], homes[i]});
    return sites;
}

PortalSearchController::PortalSearchController(Controls<PortalSearchControl> controls,
                                               ItemList& engines, const Control& form1,
                                               const Control& frame10, Browser& web1,
                                               EventPump& pump, std::function<void()> focus_query,
                                               std::vector<Site> sites)
    : controls_(controls),
      engines_(engines),
      form1_(form1),
      frame10_(frame10),
      web1_(web1),
      pump_(pump),
      focus_query_(std::move(focus_query)),
      sites_(std::move(sites)) {}

std::string PortalSearchController::query_address(std::size_t engine,
                                                  const std::string& query) const {
    if (engine >= kEngines.size() || engine >= sites_.size()) return {};
    const Engine& e = kEngines[engine];
    // Encoded, "&", "#" or "+" in the query cannot end it or start another parameter.
    const std::string bytes = e.euc_kr ? cp949::encode(query) : query;
    return sites_[engine].search_host + e.path_and_key + percent_encode(bytes) + e.suffix;
}

void PortalSearchController::Form_Load() {
    place_over_status_bar(controls_[PortalSearchControl::Form8], form1_, frame10_, kLeftOffset);
}

void PortalSearchController::Form_Activate() {
    pump_.process_pending();
    engines_.clear();
    for (const Engine& e : kEngines) engines_.add_item(e.name);
    controls_[PortalSearchControl::Combo1].set_caption(kEngines[0].name);
    if (focus_query_) focus_query_();
}

void PortalSearchController::Command1_Click() {
    pump_.process_pending();
    const std::string engine = controls_[PortalSearchControl::Combo1].caption();
    for (std::size_t i = 0; i < kEngines.size(); ++i) {
        if (engine != kEngines[i].name) continue;
        const std::string address =
            query_address(i, controls_[PortalSearchControl::Text1].caption());
        if (!address.empty()) web1_.navigate(address);
        break;
    }
    if (focus_query_) focus_query_();
}

void PortalSearchController::Text1_KeyPress(int key_ascii) {
    if (key_ascii == kEnterKey) Command1_Click();
}

void PortalSearchController::open_home(std::size_t engine) {
    pump_.process_pending();
    if (engine < sites_.size()) web1_.navigate(sites_[engine].home_page);
}

}  // namespace presslane
