#include "browse/catalogue.h"

namespace presslane::catalogue {

const Bar* bar(const std::string& frame) {
    for (const Bar& b : bars()) {
        if (frame == b.frame) return &b;
    }
    return nullptr;
}

const Menu* menu_of_label(const std::string& label) {
    for (const Menu& m : menus()) {
        if (label == m.label) return &m;
    }
    return nullptr;
}

const Menu* menu_of_logo(int array, int member) {
    for (const Menu& m : menus()) {
        if (m.family != array / 100 - 19 || m.logo_member != member) continue;
        for (const Item& item : m.items) {
            if (item.array == array) return &m;
        }
    }
    return nullptr;
}

const Item* entry(int array, int member) {
    const Menu* m = menu_of_logo(array, member);
    if (m == nullptr) return nullptr;
    for (const Item& item : m->items) {
        if (item.array == array) return &item;
    }
    return nullptr;
}

std::string menu_control(int family, int frame_member) {
    return "Frame" + std::to_string(family) + "(" + std::to_string(frame_member) + ")";
}

std::string menu_control(const Menu& menu) { return menu_control(menu.family, menu.frame_member); }

std::string logo_control(int array, int member) {
    return "Image" + std::to_string(array) + "(" + std::to_string(member) + ")";
}

}  // namespace presslane::catalogue
