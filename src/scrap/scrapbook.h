#pragma once

#include <filesystem>
#include <string>

#include "scrap/scrapbook_file.h"

namespace presslane {

class Browser;
class Dialogs;
class EventPump;
class ListView;

// The scrapbook pane of the main window: the list ListView1, its preview browser WebBrowser2 and
// the buttons Image35 to Image38 of Frame9. The list mirrors the file as of the last reload.
class Scrapbook {
public:
    Scrapbook(ListView& list, Browser& preview, Dialogs& dialogs, EventPump& pump,
              const std::filesystem::path& app_folder);

    // Appends one row; lets window events run first.
    void AddListItem(const std::string& date, const std::string& title, const std::string& address);

    void Image35_Click();  // reload, then open the first scrap
    void Image36_Click();  // delete the selected scrap
    void Image37_Click();  // backup notice
    void Image38_Click();  // delete every scrap
    void ListView1_DblClick();

private:
    ListView& list_;
    Browser& preview_;
    Dialogs& dialogs_;
    EventPump& pump_;
    ScrapbookFile file_;
    // Bumped by every reload, so that a reload started from an event inside another one's loop
    // leaves the list to the newer one instead of both filling it.
    unsigned reload_count_ = 0;
};

}  // namespace presslane
