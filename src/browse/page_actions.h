#pragma once

#include <functional>
#include <string>

namespace presslane {

class Browser;
class Dialogs;
class EventPump;

namespace catalogue {
struct Item;
}

// Catalogue commands that do more than open a fixed site: the Japanese papers read through the
// translation gateway, the all-newspapers page, and the start-page pane's home page, ranking and
// breaking news, and the article search of the status bar. All open in the main browser.
class SpecialPages {
public:
    struct Addresses {
        // The translation service's address, to which the paper's address, percent-encoded, is
        // appended.
        std::string translation_gateway;
        std::string all_newspapers;
        std::string home_page;
        std::string ranking;
        std::string breaking_news;
        std::string article_search;
    };
    struct Hooks {
        std::function<void()> install_menu;
        // Shows the progress window modally; returns once it has closed itself.
        std::function<void()> show_progress_window;
    };

    SpecialPages(Browser& main_browser, Dialogs& dialogs, EventPump& pump, Addresses addresses,
                 Hooks hooks);

    // A translation entry's logo: Yes reads the paper through the gateway, No the paper itself.
    void translation_prompt(const catalogue::Item& entry);
    void Label1000_Click();  // all newspapers
    void Image32_Click();    // home page
    void Image31_Click();    // ranking
    void Image30_Click();    // breaking news
    void Picture16_Click();  // article search

    // The gateway address that shows the page of that paper translated.
    std::string translated(const std::string& paper) const;

private:
    void call(const std::function<void()>& hook);

    Browser& browser_;
    Dialogs& dialogs_;
    EventPump& pump_;
    Addresses addresses_;
    Hooks hooks_;
};

}  // namespace presslane
