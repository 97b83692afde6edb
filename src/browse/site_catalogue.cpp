#include "browse/site_catalogue.h"

#include "browse/browser.h"
#include "browse/catalogue.h"
#include "browse/page_actions.h"
#include "common/event_pump.h"
#include "common/shell.h"

namespace presslane {

bool hover_shows(int x, int y, int width, int height) {
    return x > 0 && x <= width && y >= 0 && y <= height;
}

std::string banner_target(const std::string& picture) {
    if (picture == "Picture8") return "https://www.yna.co.kr/";
    if (picture == "Picture7") return "https://www.ohmynews.com/";
    if (picture == "Picture20") return "https://www.jabo.co.kr/";
    return {};
}

SiteCatalogue::SiteCatalogue(const ControlSet& controls, Ports ports, std::string home_page,
                             Hooks hooks)
    : controls_(controls),
      ports_(ports),
      home_page_(std::move(home_page)),
      hooks_(std::move(hooks)) {}

void SiteCatalogue::Label_MouseMove(const std::string& label, int x, int y) {
    const catalogue::Menu* menu = catalogue::menu_of_label(label);
    const Control* l = controls_.find(label);
    if (menu == nullptr || l == nullptr) return;
    if (Control* frame = controls_.find(catalogue::menu_control(*menu))) {
        frame->set_visible(hover_shows(x, y, l->width(), l->height()));
    }
}

void SiteCatalogue::Image_Click(int array, int member) {
    ports_.pump.process_pending();
    const catalogue::Item* item = catalogue::entry(array, member);
    if (item != nullptr && item->prompt != nullptr) {
        // The prompt hides the menus itself once the page is chosen.
        ports_.special.translation_prompt(*item);
        return;
    }
    if (item != nullptr) ports_.main_browser.navigate(item->target);
    if (hooks_.install_menu) hooks_.install_menu();
}

void SiteCatalogue::banner_click(const std::string& picture) {
    ports_.pump.process_pending();
    const std::string target = banner_target(picture);
    if (!target.empty()) ports_.main_browser.navigate(target);
}

void SiteCatalogue::open_home_page() { ports_.shell.open_in_default_browser(home_page_); }

}  // namespace presslane
