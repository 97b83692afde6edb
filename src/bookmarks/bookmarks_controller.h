#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bookmarks/bookmark_file.h"
#include "bookmarks/bookmarks_controls.h"

namespace presslane {

class Browser;
class Dialogs;
class EventPump;
class ListBox;

// The bookmarks window Form5; its list List1 is a list box. Whenever the window closes, by any
// route, the file is rewritten without the bookmarks deleted in the window.
class BookmarksController {
public:
    struct Hooks {
        std::function<void()> focus_address;  // gives Text2 the focus
        // Switches the main window to its browsing view (the scrapbook left, the catalogue shown).
        std::function<void()> show_browsing_view;
        std::function<void()> load_bookmark_titles;
        std::function<void()> close;  // asks the window to close: runs Form_Unload
    };

    BookmarksController(Controls<BookmarksControl> controls, ListBox& list, Browser& main,
                        Dialogs& dialogs, EventPump& pump, const std::filesystem::path& app_folder,
                        Hooks hooks);

    void Form_Activate();
    void Command1_Click();  // add and close
    void Command2_Click();  // close
    void Command3_Click();  // open the typed address
    void Command4_Click();  // delete the selected bookmark
    void Command5_Click();  // delete every bookmark
    void List1_Click();
    void Picture11_MouseMove();
    // Runs once, on the first close by any route.
    void Form_Unload();

private:
    void open_in_main(const std::string& address);
    void call(const std::function<void()>& hook);

    Controls<BookmarksControl> controls_;
    ListBox& list_;
    Browser& main_;
    Dialogs& dialogs_;
    EventPump& pump_;
    BookmarkFile file_;
    Hooks hooks_;
    // The list texts deleted with Command4 since the list was read.
    std::vector<std::string> deleted_;
    // Bumped by each start of the list's loading and by deleting every bookmark, which ends a
    // loading still running.
    unsigned loads_ = 0;
    bool unloaded_ = false;
};

}  // namespace presslane
