#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "browse/browser_host.h"
#include "browse/article_source.h"

class QWidget;

namespace presslane {

class Browser;
class Clock;
class WidgetListBox;
class Dialogs;
class EventPump;
class ScrapPane;
class WebBrowser;

// The main window's article tools on Qt: the scrapbook pane (ListView1, WebBrowser2 and the
// buttons of Frame9), the address box's bookmark names, and the scrap, bookmarks and mail windows
// opened from the window's tools.
class ArticleTools {
public:
    struct Window {
        QWidget* form1;  // holds Frame9, ListView1 and Combo1 by object name
        WebBrowser& WebBrowser1;
        WebBrowser& WebBrowser2;
        // The browser back, forward, scrap and mail act on (the scrap-view flag's choice).
        std::function<Browser&()> active_browser;
        // Switches the main window to its browsing view, as the toolbar's second button does.
        std::function<void()> show_browsing_view;
    };
    struct Endpoints {
        std::string home_page;
        std::string mail_form;
    };

    ArticleTools(Window window, Dialogs& dialogs, EventPump& pump, const Clock& clock,
                 std::filesystem::path app_folder, Endpoints endpoints);
    ~ArticleTools();

    // Sets the main window's hooks these tools answer.
    void install(BrowserHost::Hooks& browse, std::function<void()>& load_bookmark_titles);

    void load_bookmark_titles();
    void open_scrap();
    void open_bookmarks();
    void open_mail();
    ScrapPane& scrap_pane() { return *scrap_pane_; }

private:
    ArticleSource source() const;

    Window window_;
    Dialogs& dialogs_;
    EventPump& pump_;
    const Clock& clock_;
    std::filesystem::path folder_;
    Endpoints endpoints_;
    ScrapPane* scrap_pane_;  // owned by Frame9
    std::unique_ptr<WidgetListBox> combo_;
};

}  // namespace presslane
