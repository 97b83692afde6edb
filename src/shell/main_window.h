#pragma once

#include <filesystem>
#include <functional>
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
class MainWindow {
public:
    struct Ports {
        Dialogs& dialogs;
        EventPump& pump;
        Clock& clock;
        Shell& shell;
        Screen& screen;
    };
    // Steps owned by other features and by the window system; an unset hook does nothing.
    struct Hooks {
        std::function<void()> add_tray_icon;
        std::function<void()> remove_tray_icon;
        std::function<void()> load_bookmark_titles;
        std::function<void()> load_verified_radio;
        std::function<void()> load_my_radio;
        std::function<void()> radio_on;
        std::function<void()> version_check;
        std::function<void()> show_window;
        std::function<void()> close_window;  // asks the window to close: runs Form_Unload
        std::function<void()> maximise_window;
        // Closes the program's other top-level windows (at most eleven).
        std::function<void()> close_program_windows;
        // Targets of the menu bar: the settings dialog, the about window, the media settings
        // window (each modal) and the product's home page in the default web browser.
        std::function<void()> open_settings;
        std::function<void()> open_about;
        std::function<void()> open_media_settings;
        std::function<void()> open_home_page;
        BrowserHost::Hooks browse;  // install_menu, maximise and media-pane hooks are set here
    };

    MainWindow(BrowserHost::Browsers browsers, const MainControls& controls,
               const CatalogueControls& catalogue, ProgressBar& progress, Ports ports,
               std::filesystem::path app_folder, BrowserHost::Addresses addresses, Hooks hooks);

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
    void install_menu();
    void layout_main_window();
    void toggle_view();           // Picture6, menu06_1
    void toggle_menu_position();  // Picture12, menu06_2
    void anchor_media_pane();

    BrowserHost& host() { return host_; }
    const LayoutState& layout_state() const { return state_; }
    bool closing() const { return closing_; }

private:
    int read(MainControl control, int (Control::*property)() const) const;
    void call(const std::function<void()>& hook);

    const MainControls& controls_;
    const CatalogueControls& catalogue_;
    Ports ports_;
    std::filesystem::path folder_;
    Hooks hooks_;
    BrowserHost::Browsers browsers_;
    BrowserHost host_;
    LayoutState state_;
    bool closing_ = false;
};

}  // namespace presslane
