#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "browse/browser_host.h"
#include "browse/main_controls.h"
#include "shell/layout.h"

namespace presslane {

class CatalogueControls;
class Clock;
class Dialogs;
class EventPump;
class ProgressBar;
class Screen;
class Shell;

// The main window (Form1): its load sequence, activation, clock, layout and saved geometry, and
// the close sequence that ends the program.
class MainController : private BrowserHost::Window {
public:
    struct Ports {
        Dialogs& dialogs;
        EventPump& pump;
        Clock& clock;
        Shell& shell;
        Screen& screen;
    };
    // The window system's side of the main window (Form1).
    struct Frame {
        virtual void show_window() = 0;
        // Asks the window to close: runs Form_Unload.
        virtual void close_window() = 0;
        virtual void maximise_window() = 0;
        // Closes the program's other top-level windows (at most eleven).
        virtual void close_program_windows() = 0;

    protected:
        ~Frame() = default;
    };
    // Steps of the load, activation and close sequences that other features own.
    struct Steps {
        virtual void add_tray_icon() = 0;
        virtual void remove_tray_icon() = 0;
        virtual void load_bookmark_titles() = 0;
        virtual void load_verified_radio() = 0;
        virtual void load_my_radio() = 0;
        virtual void radio_on() = 0;
        virtual void version_check() = 0;

    protected:
        ~Steps() = default;
    };
    // Targets of the menu bar: the settings dialog, the about window, the media settings window
    // (each modal) and the product's home page in the default web browser.
    struct MenuTargets {
        virtual void open_settings() = 0;
        virtual void open_about() = 0;
        virtual void open_media_settings() = 0;
        virtual void open_home_page() = 0;

    protected:
        ~MenuTargets() = default;
    };
    struct Peers {
        Frame& frame;
        Steps& steps;
        MenuTargets& menu;
        BrowserHost::Popups& popups;
        BrowserHost::Articles& articles;
    };

    MainController(BrowserHost::Browsers browsers, const MainControls& controls,
                   const CatalogueControls& catalogue, ProgressBar& progress, Ports ports,
                   std::filesystem::path app_folder, BrowserHost::Addresses addresses, Peers peers);

    void Form_Load();
    void Form_Activate();
    // The close sequence: runs once on every route (close box, a close request from another
    // program, the exit command, the session ending), saves the geometry and ends the process.
    void Form_Unload();
    void Form_Resize();
    void Timer2_Timer();
    void mPopExit_Click();
    // A command of the menu bar, by its item name ("menu02_5"); an unknown name does nothing.
    void menu_command(std::string_view item);

    void call_width();
    void save_width();
    void install_menu() override;
    void layout_main_window();
    void toggle_view();           // Picture6, menu06_1
    void toggle_menu_position();  // Picture12, menu06_2
    void anchor_media_pane() override;

    BrowserHost& host() { return host_; }
    const LayoutState& layout_state() const { return state_; }
    bool closing() const { return closing_; }

private:
    int read(MainControl control, int (Control::*property)() const) const;
    void maximise_window() override;

    const MainControls& controls_;
    const CatalogueControls& catalogue_;
    Ports ports_;
    std::filesystem::path folder_;
    Peers peers_;
    BrowserHost::Browsers browsers_;
    BrowserHost host_;
    LayoutState state_;
    bool closing_ = false;
};

}  // namespace presslane
