#include "browse/menu_anchor.h"

#include <string_view>

#include "browse/catalogue.h"
#include "browse/catalogue_controls.h"

namespace presslane {

void install_menus(const CatalogueControls& controls, bool normal_view) {
    const int offset = normal_view ? 785 : 0;
    const auto menus = catalogue::menus();
    for (std::size_t m = 0; m < menus.size(); ++m) {
        Control& menu = controls.menu(m);
        menu.set_visible(false);
        // Every family has one menu in the first bar; its label is the anchor of the family.
        for (std::size_t a = 0; a < menus.size(); ++a) {
            if (menus[a].family != menus[m].family || std::string_view(menus[a].bar) != "Frame2") {
                continue;
            }
            const Control& label = controls.label(a);
            menu.set_left(label.left());
            menu.set_top(label.top() + label.height() + offset);
        }
    }
}

}  // namespace presslane
