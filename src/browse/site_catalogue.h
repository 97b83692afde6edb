#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "browse/main_controls.h"

namespace presslane {

class Browser;
class CatalogueControls;
class EventPump;
class Shell;
class SpecialPages;

// True when the pointer at (x, y) relative to a category label opens its menu. The label's left
// edge counts as outside and its other three edges as inside.
bool hover_shows(int x, int y, int width, int height);

// The catalogue's behaviour: menus dropping from their labels, logo clicks, the partner banners
// and the product's home page in the desktop's browser. Labels and menus are reached by the
// position of their menu in catalogue::menus(); hiding them all is the window's install_menu.
class SiteCatalogue {
public:
    struct Ports {
        Browser& main_browser;
        EventPump& pump;
        Shell& shell;
        SpecialPages& special;
    };
    struct Hooks {
        std::function<void()> install_menu;
    };

    SiteCatalogue(const CatalogueControls& controls, Ports ports, std::string home_page,
                  Hooks hooks);

    // The label of the menu at that position in catalogue::menus(); pointer position in twips
    // relative to the label.
    void Label_MouseMove(std::size_t menu, int x, int y);
    // A logo of array 3000..3522; member says which of the family's menus it sits in.
    void Image_Click(int array, int member);
    // Picture8, Picture7, Picture20: the partner news sites.
    void banner_click(MainControl picture);
    // Picture1 and the home-page menu command: opened outside the program.
    void open_home_page();

private:
    const CatalogueControls& controls_;
    Ports ports_;
    std::string home_page_;
    Hooks hooks_;
};

// The site a partner banner opens; empty for any other control.
std::string banner_target(MainControl picture);

}  // namespace presslane
