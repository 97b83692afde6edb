#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "search/portal_search_controls.h"

namespace presslane {

class Browser;
class Control;
class EventPump;
class ItemList;

// The portal search window Form8: runs the typed query on one of six portal engines in the main
// browser. The engine names are Combo1's entries, set through the ItemList.
class PortalSearchController {
public:
    static constexpr const char* kCaption = "프레스레인 포털검색";
    static constexpr int kLeftOffset = 4350;
    static constexpr int kEnterKey = 13;

    struct Engine {
        const char* name;
        const char* path_and_key;
        const char* suffix;
        // The engine reads the query as EUC-KR, as its suffix declares; the others read UTF-8.
        bool euc_kr;
    };
    static const std::array<Engine, 6> kEngines;

    // Where each engine lives, in the order of kEngines.
    struct Site {
        std::string search_host;  // scheme and host, e.g. "https://search.naver.com"
        std::string home_page;
    };
    static std::vector<Site> default_sites();

    // form1, frame10: the main window's outer frame and status bar, which the window sits above.
    PortalSearchController(Controls<PortalSearchControl> controls, ItemList& engines,
                           const Control& form1, const Control& frame10, Browser& web1,
                           EventPump& pump, std::function<void()> focus_query,
                           std::vector<Site> sites = default_sites());

    // The address that runs query on engine (an index into kEngines).
    std::string query_address(std::size_t engine, const std::string& query) const;

    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Text1_KeyPress(int key_ascii);
    void Image2_Click() { open_home(0); }
    void Image4_Click() { open_home(1); }
    void Image5_Click() { open_home(2); }
    void Image6_Click() { open_home(3); }
    void Image7_Click() { open_home(4); }
    void Image8_Click() { open_home(5); }

private:
    void open_home(std::size_t engine);

    Controls<PortalSearchControl> controls_;
    ItemList& engines_;
    const Control& form1_;
    const Control& frame10_;
    Browser& web1_;
    EventPump& pump_;
    std::function<void()> focus_query_;
    std::vector<Site> sites_;
};

}  // namespace presslane
