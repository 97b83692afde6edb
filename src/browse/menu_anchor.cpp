#include "browse/menu_anchor.h"

#include <initializer_list>

#include "browse/catalogue.h"

namespace presslane {
namespace {

struct Anchor {
    int family;
    std::initializer_list<int> members;
    const char* label;
};

}  // namespace

void install_menus(const ControlSet& controls, bool normal_view) {
    const int offset = normal_view ? 785 : 0;
    const Anchor anchors[] = {
        {11, {4, 0, 2, 3}, "Label1"}, {12, {0, 4, 2, 3}, "Label2"}, {13, {0, 1, 2, 3}, "Label3"},
        {14, {0, 1, 2, 3}, "Label4"}, {15, {0, 1, 2, 3}, "Label5"}, {16, {0, 1}, "Label6"},
    };
    for (const Anchor& a : anchors) {
        for (int m : a.members) {
            if (Control* menu = controls.find(catalogue::menu_control(a.family, m))) {
                menu->set_visible(false);
            }
        }
        const Control* label = controls.find(a.label);
        if (label == nullptr) continue;
        for (int m : a.members) {
            if (Control* menu = controls.find(catalogue::menu_control(a.family, m))) {
                menu->set_left(label->left());
                menu->set_top(label->top() + label->height() + offset);
            }
        }
    }
}

}  // namespace presslane
