#pragma once

#include <filesystem>
#include <string>

#include "browse/main_controls.h"
#include "browse/view_mode.h"

namespace presslane {

class Browser;
class Dialogs;
class EventPump;
class Inet;
class ItemList;
class MediaPlayer;

// The media pane of the main window (Frame8): the my-radio list Combo2, the player MediaPlayer1,
// its mouse handling (dragging the pane, full screen, clip information), auto-play at start-up
// and the pane's buttons. It uses the main window's Frame8, Combo2 and Label26.
class MediaPaneController {
public:
    struct Ports {
        Dialogs& dialogs;
        EventPump& pump;
        Inet& inet;
        MediaPlayer& player;
        ItemList& combo2_items;
        Browser& main_browser;  // WebBrowser1
    };
    struct Addresses {
        std::string verified_list;
        std::string radio_guide;
    };
    // The pane's widget: a manual drag of Frame8 starts, and ends by dropping the pane under
    // the pointer.
    struct Drag {
        virtual void begin_drag() = 0;
        virtual void end_drag() = 0;

    protected:
        ~Drag() = default;
    };
    // The rest of the main window: its view and the windows the pane's buttons open.
    struct Window {
        virtual ViewMode view_mode() const = 0;
        virtual void open_media_window() = 0;  // Form10, modal
        virtual void open_settings() = 0;      // Form3, modal

    protected:
        ~Window() = default;
    };

    MediaPaneController(const MainControls& controls, Ports ports, std::filesystem::path app_folder,
                        Addresses addresses, Drag& drag, Window& window);

    // Start-up steps, in this order.
    void load_verified_radio();
    void load_my_radio();
    void radio_on();

    void Combo2_Click();
    void play_my_radio();
    void play_verified_radio();

    void MediaPlayer1_MouseDown(int button, int shift, float x, float y);
    void MediaPlayer1_MouseUp(int button, int shift, float x, float y);
    void MediaPlayer1_DblClick();
    // A drop of the dragged pane, X and Y in the target's own coordinates (twips).
    void Frame8_DragDrop(float x, float y);
    void WebBrowser1_DragDrop(float x, float y);

    void Image5_Click();
    void Picture18_Click();
    void Picture19_Click();
    void Image4_Click();
    void menu02_8_Click();
    void Image3_Click();
    void menu02_7_Click();

    float grab_x() const { return grab_x_; }
    float grab_y() const { return grab_y_; }

private:
    void play_from(const char* file_name);
    void show_pane();
    void set_status(const std::string& text);

    const MainControls& controls_;
    Ports ports_;
    std::filesystem::path folder_;
    Addresses addresses_;
    Drag& drag_;
    Window& window_;
    float grab_x_ = 0;
    float grab_y_ = 0;
};

}  // namespace presslane
