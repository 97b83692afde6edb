#pragma once

#include <string>
#include <vector>

namespace presslane {

class Browser;
class BrowserHost;
class Dialogs;
class PageZoom;

// What a key of the main window does to the active browser.
enum class KeyCommand {
    Reload,
    Stop,
    Back,
    Forward,
    FocusAddress,
    Print,
    Find,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    Help
};

struct KeyBinding {
    KeyCommand command;
    // Key combinations in their portable text form ("Ctrl+R", "Alt+Left").
    std::vector<std::string> keys;
    // What the key help says the keys do.
    std::string meaning;
};

// Every key of the main window, in the order the key help lists them.
const std::vector<KeyBinding>& key_bindings();

// The find bar's count of the matches of what it finds: "3/10", or that there is none.
std::string find_count_text(int active, int total);

// The keys of the main window's browsers, acting on the active browser the way the toolbar's
// arrows and tools do.
class BrowserKeys {
public:
    // The main window around the browsers.
    struct Window {
        // The address box takes the keyboard with its text selected.
        virtual void focus_address() = 0;
        // The find bar: shown over this browser with its text selected, and hidden.
        virtual bool find_shown() const = 0;
        virtual void show_find(Browser& browser) = 0;
        virtual void hide_find() = 0;

    protected:
        ~Window() = default;
    };

    BrowserKeys(BrowserHost& host, Window& window, PageZoom& zoom, Dialogs& dialogs);

    void run(KeyCommand command);
    // Ctrl with the mouse wheel over a page: a step per notch, up larger.
    void zoom_wheel(int notches);
    // A browser of the main window moved to another address: it shows that site's size.
    void address_changed(Browser& browser);

    static constexpr const char* kHelpTitle = "단축키 도움말";
    // The key help: one line per command, its keys and then what it does.
    static std::string help_text();

private:
    void zoom(int direction);

    BrowserHost& host_;
    Window& window_;
    PageZoom& zoom_;
    Dialogs& dialogs_;
};

}  // namespace presslane
