#include "browse/catalogue_controls.h"

#include "browse/catalogue.h"

namespace presslane {
CatalogueControls::CatalogueControls(const ControlSet& from) {
    for (const catalogue::Menu& menu : catalogue::menus()) {
        labels_.push_back(&from.at(menu.label));
        menus_.push_back(&from.at(catalogue::menu_control(menu)));
    }
}

}  // namespace presslane
