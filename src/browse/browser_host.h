#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "browse/browser.h"
#include "browse/main_controls.h"

namespace presslane {

class Dialogs;
class EventPump;
class ProgressBar;

// The browser host of the main window: the three browsers and which of them is active, the start
// page, the address box, back and forward, the category toolbar, the page tools and the caption
// and progress display. Handlers are named after the control and event that run them; each lets
// window events run where noted, so another handler may run in the middle of it.
class BrowserHost {
public:
    struct Browsers {
        Browser& WebBrowser1;  // main browser
        Browser& WebBrowser2;  // scrapbook preview
        Browser& WebBrowser3;  // never shown: visit counter and popup sink
    };
    struct Addresses {
        std::string version;             // "4.47"
        std::string domain;              // product web domain shown in the caption
        std::string default_start_page;  // written to a new settings file
        std::string visit_counter;
    };
    // What the host asks of the rest of the main window.
    struct Window {
        virtual void install_menu() = 0;
        virtual void maximise_window() = 0;
        // The media pane opens at its anchor for the current bar position.
        virtual void anchor_media_pane() = 0;

    protected:
        ~Window() = default;
    };
    // Popup blocking, toggled by the toolbar's seventh button.
    struct Popups {
        // The popup flag from field 2 of the settings line (missing field: nullptr).
        virtual void set_from_settings(const std::string* field2) = 0;
        virtual void Toolbar1_Button7_Click() = 0;

    protected:
        ~Popups() = default;
    };
    // The scrapbook pane and the windows the article tools open.
    struct Articles {
        virtual void reload_scrapbook() = 0;
        virtual void open_bookmarks() = 0;
        virtual void open_mail() = 0;
        virtual void open_scrap() = 0;

    protected:
        ~Articles() = default;
    };

    BrowserHost(Browsers browsers, const MainControls& controls, ProgressBar& progress,
                Dialogs& dialogs, EventPump& pump, std::filesystem::path app_folder,
                Addresses addresses, Window& window, Popups& popups, Articles& articles);

    // Loads the start page from the settings file (creating it with the default line when it is
    // missing), hits the visit counter and sets the popup state.
    void start_page_click();

    // Events of WebBrowser1.
    void WebBrowser1_ProgressChange(int progress, int progress_max);
    void WebBrowser1_BeforeNavigate2();
    void WebBrowser1_DocumentComplete();
    void HTMLDoc_onmouseover();

    // Address box: Enter navigates exactly what was typed; a pick from the list opens the last
    // bookmark of the chosen title.
    void Combo1_Enter(const std::string& typed);
    void Combo1_Click(const std::string& title);

    void Image1_Click();   // back
    void Image2_Click();   // forward
    void Image39_Click();  // bookmarks window
    void Toolbar1_ButtonClick(int index);
    void Picture2_Click();   // set as start page
    void Picture9_Click();   // mail window
    void Picture10_Click();  // print action
    void Picture5_Click();   // scrap dialog
    void print_action();
    void Picture4_MouseMove();
    void Picture4_Click();  // media pane
    void Picture11_MouseMove();
    // The favourites-folder message for this user and system drive ("C:\" and the like).
    void Label9_Click(const std::string& user_name, const std::string& system_directory);

    // False while WebBrowser1 is the active browser, true while the scrapbook pane is shown.
    bool scrap_view() const { return scrap_view_; }
    void set_scrap_view(bool shown) { scrap_view_ = shown; }
    Browser& active_browser();

    // The window caption for the current page of WebBrowser1.
    std::string caption() const;

private:
    std::filesystem::path settings_path() const;
    // Field 1 of the settings file's first line with NUL characters removed.
    std::string configured_start_page() const;
    void show_pane(MainControl pane);
    void set_visible(MainControl control, bool visible);

    Browsers browsers_;
    const MainControls& controls_;
    ProgressBar& progress_;
    Dialogs& dialogs_;
    EventPump& pump_;
    std::filesystem::path folder_;
    Addresses addresses_;
    Window& window_;
    Popups& popups_;
    Articles& articles_;
    bool scrap_view_ = false;
};

// Label26's text for a progress event, or nothing when the label keeps its text: the percentage
// rounded half to even followed by " /100 %", or "완료" from 100 % on.
std::optional<std::string> progress_text(int progress, int progress_max);

// True when the address contains "orvale" in any letter case, or is an all-newspapers page of the
// product server (the collected newspaper pages).
bool is_collected_page(const std::string& address);

}  // namespace presslane
