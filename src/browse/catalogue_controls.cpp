#include "browse/catalogue_controls.h"

#include "browse/catalogue.h"

namespace presslane {
namespace {

Control* gather(const ControlSet& from, const std::string& name) {
    Control* control = from.find(name);
    if (control == nullptr) throw MissingControl(name);
    return control;
}

}  // namespace

CatalogueControls::CatalogueControls(const ControlSet& from) {
    for (const catalogue::Menu& menu : catalogue::menus()) {
        labels_.push_back(gather(from, menu.label));
        menus_.push_back(gather(from, catalogue::menu_control(menu)));
    }
}

}  // namespace presslane
