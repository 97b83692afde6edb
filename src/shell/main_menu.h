#pragma once

#include <string>
#include <vector>

namespace presslane {

// The main window's menu bar: menus in order, each with its items; an item whose caption is "-"
// is a separator. A menu without items is a command of its own.
struct MenuItem {
    std::string name;
    std::string caption;
    bool separator() const { return caption == "-"; }
};

struct Menu {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items;
};

const std::vector<Menu>& main_menu();

}  // namespace presslane
