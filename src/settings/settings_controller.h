#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "settings/settings_controls.h"

namespace presslane {

class AutoStart;
class Browser;
class CheckBox;
class Control;
class Dialogs;
class EventPump;
class ItemList;
class Screen;

// The settings dialog Form3: the start page and popup default of "lane_desk_setting.res", the
// channel played at start ("lane_desk_setting_radio.res"), the start-up entry and the reset of
// the main window's size. It holds no state of its own beyond its controls and does not notify
// the main window: the files carry the settings.
class SettingsController {
public:
    static constexpr const char* kCommand8Tip = " -> 첫페이지로 설정합니다";
    static constexpr const char* kBlankPage = "about: blank";
    static constexpr int kResetWidth = 14200;
    static constexpr int kResetHeightMargin = 500;

    struct Ports {
        ItemList& combo1_items;
        CheckBox& check1;  // popup blocking from the start
        CheckBox& check2;  // start with the desktop session
        Dialogs& dialogs;
        EventPump& pump;
        Screen& screen;
        AutoStart& auto_start;
        const Browser& main_browser;  // WebBrowser1: the page now shown
        Control& main_window;         // Form1's outer frame, twips
    };

    // What Command4 to Command6 put into the start page.
    struct Addresses {
        std::string home_page;
        std::string newspaper_shop;
        std::string newsstand;
    };

    // program_path: the running program, as the start-up entry is to start it. close: closes
    // the window, which then runs Form_Unload.
    SettingsController(Controls<SettingsControl> controls, Ports ports, Addresses addresses,
                       std::filesystem::path app_folder, std::string program_path,
                       std::function<void()> close);

    // Fills the controls from the files and the start-up entry; an entry found is written again
    // with the running program's path.
    void Form_Load();
    void LoadChannelNames();
    std::string ReadKey(const std::string& path);

    // Start-page buttons: they only replace the text of Text1.
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

    void Command1_Click();  // OK: saves the start page and popup default, closes
    void Command2_Click();  // Cancel: closes without saving them
    void Command3_Click();  // Apply: saves them and stays open
    // The start-up entry follows the box at once, whatever OK or Cancel do later.
    void Check2_Click();
    // Resets the main window to its default place and size and forgets the saved geometry.
    void Command9_Click();
    void Command10_Click();
    void Label7_Click();
    void Command11_Click();
    // Saves the channel choice; runs once, on the first close by any route.
    void Form_Unload();

private:
    void set_start_page(const std::string& address);
    // Writes the start page and popup default; tells the user and answers false when it cannot.
    bool save_settings();

    Controls<SettingsControl> controls_;
    Ports ports_;
    Addresses addresses_;
    std::filesystem::path folder_;
    std::string program_path_;
    std::function<void()> close_;
    bool unloaded_ = false;
};

}  // namespace presslane
