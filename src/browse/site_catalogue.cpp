#include "browse/site_catalogue.h"

#include "browse/browser.h"
#include "browse/catalogue.h"
#include "browse/catalogue_controls.h"
#include "browse/page_actions.h"
#include "common/event_pump.h"
#include "common/shell.h"

namespace presslane {

bool hover_shows(int x, int y, int width, int height) {
    return x > 0 && x <= width && y >= 0 && y <= height;
}

std::string banner_target(MainControl picture) {
    switch (picture) {
        case MainControl::Picture8:
            return "https://www.yna.co.kr/";
        case MainControl::Picture7:
            return "https://www.ohmynews.com/";
        case MainControl::Picture20:
            return "https://www.jabo.co.kr/";
        default:
            return {};
    }
}

SiteCatalogue::SiteCatalogue(const CatalogueControls& controls, Ports ports, std::string home_page,
                             Hooks hooks)
    : controls_(controls),
      ports_(ports),
      home_page_(std::move(home_page)),
      hooks_(std::move(hooks)) {}

void SiteCatalogue::Label_MouseMove(std::size_t menu, int x, int y) {
    const Control& label = controls_.label(menu);
    controls_.menu(menu).set_visible(hover_shows(x, y, label.width(), label.height()));
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

void SiteCatalogue::banner_click(MainControl picture) {
    ports_.pump.process_pending();
    const std::string target = banner_target(picture);
    if (!target.empty()) ports_.main_browser.navigate(target);
}

void SiteCatalogue::open_home_page() { ports_.shell.open_in_default_browser(home_page_); }

}  // namespace presslane
