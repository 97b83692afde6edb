#pragma once

#include <span>
#include <string>

namespace presslane::catalogue {

// The site catalogue: four category bars of labels, each label owning one drop-down menu of site
// logos. Everything is fixed data; nothing is read or downloaded at run time.

struct Colour {
    int r, g, b;
};

// One slot of a menu's column: a site logo, or a sub-heading when `array` is 0.
struct Item {
    int array;            // logo array, 3000..3522 (first two digits: the menu family)
    const char* name;     // the site's name drawn on its logo, or the heading text
    const char* tooltip;  // nullptr: none
    const char* target;   // the address opened; for a translation entry the paper's own address
    const char* prompt = nullptr;  // translation entries: the title of their Yes/No prompt

    bool heading() const { return array == 0; }
};

struct Menu {
    const char* label;    // category label that opens it ("Label2")
    const char* caption;  // the label's text
    const char* bar;      // category bar holding the label ("Frame2")
    int family;           // menu frame array: 11..16 for Frame11..Frame16
    int frame_member;     // which member of that frame array the menu is
    int logo_member;      // the member index its logos carry in their arrays
    std::span<const Item> items;
};

struct Bar {
    const char* frame;
    const char* caption;  // nullptr: the bar has none
    Colour colour;
};

// The 22 menus, bar by bar, labels left to right.
std::span<const Menu> menus();
// Frame2 .. Frame5.
std::span<const Bar> bars();
const Bar* bar(const std::string& frame);

// The menu a category label opens; nullptr for any other name.
const Menu* menu_of_label(const std::string& label);
// The entry of a logo array's member; nullptr when the array has no such member.
const Item* entry(int array, int member);
const Menu* menu_of_logo(int array, int member);

// Control names: "Frame12(0)" for a menu, "Image3100(0)" for a logo.
std::string menu_control(int family, int frame_member);
std::string menu_control(const Menu& menu);
std::string logo_control(int array, int member);

// Frames that exist in the menu arrays but hold nothing and are never shown.
constexpr const char* kEmptyMenus[] = {"Frame11(1)", "Frame12(1)"};

}  // namespace presslane::catalogue
