#pragma once

#include <cstddef>
#include <vector>

#include "common/control_set.h"

namespace presslane {

// The catalogue's category labels and drop-down menus, made from the catalogue's data, each
// reached by the position of its menu in catalogue::menus(). They are gathered once; a window
// without one of them fails there (MissingControl), not at each later use.
class CatalogueControls {
public:
    explicit CatalogueControls(const ControlSet& from);

    std::size_t size() const { return labels_.size(); }
    Control& label(std::size_t menu) const { return *labels_.at(menu); }
    Control& menu(std::size_t menu) const { return *menus_.at(menu); }

private:
    std::vector<Control*> labels_;
    std::vector<Control*> menus_;
};

}  // namespace presslane
