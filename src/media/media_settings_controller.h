#pragma once

#include <filesystem>
#include <string>

#include "media/media_settings_controls.h"

namespace presslane {

class Browser;
class Clock;
class Control;
class Dialogs;
class EventPump;
class ItemList;
class MediaPlayer;
class Screen;

// The media settings window (Form10): the user's channel book, adding, selecting, playing and
// deleting channels, the help buttons and the two discussion boards. Playing shows the main
// window's media pane and tells the channel in its status label.
class MediaSettingsController {
public:
    struct Ports {
        Dialogs& dialogs;
        EventPump& pump;
        Clock& clock;
        ItemList& combo1_items;
        Browser& board1;        // this window's WebBrowser1
        Browser& board2;        // this window's WebBrowser2
        Browser& main_browser;  // the main window's WebBrowser1
        MediaPlayer& player;    // the main window's MediaPlayer1
        Control& frame8;        // the main window's media pane
        Control& label26;       // the main window's status label
        Screen& screen;         // the window is centred across it
    };
    struct Addresses {
        std::string placeholder;  // shown in both boards while the window opens
        std::string board1;
        std::string board2;
        std::string broadcaster_search;
    };

    MediaSettingsController(Controls<MediaSettingsControl> controls, Ports ports,
                            std::filesystem::path app_folder, Addresses addresses);

    void Form_Load();
    // Gives the focus to the first board on the window's first activation only.
    void Form_Activate();
    void list_channels();
    void show_boards();

    void Command1_Click();  // add
    void Combo1_Click();    // select
    void Command3_Click();  // delete
    void Command2_Click();  // play the typed address
    void Command4_Click();  // play the selected channel
    void Command5_Click();
    void Command88_Click();
    void Command11_Click();

    const std::string& selected_address() const { return selected_address_; }

private:
    void reset_boxes();
    void play(const std::string& address, const std::string& status);

    Controls<MediaSettingsControl> controls_;
    Ports ports_;
    std::filesystem::path folder_;
    Addresses addresses_;
    std::string selected_name_;
    std::string selected_address_;
    bool board_focused_ = false;
};

}  // namespace presslane
