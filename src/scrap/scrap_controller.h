#pragma once

#include <filesystem>
#include <functional>

#include "browse/article_source.h"
#include "scrap/scrap_controls.h"
#include "scrap/scrapbook_file.h"

namespace presslane {

class Clock;
class Dialogs;

// The scrap dialog Form2: saves the article being read with a title the user types.
class ScrapController {
public:
    ScrapController(Controls<ScrapControl> controls, ArticleSource source, Dialogs& dialogs,
                    const Clock& clock, const std::filesystem::path& app_folder,
                    std::function<void()> close);

    void Form_Load();
    // Saves and closes, or tells what is missing and stays open.
    void Command1_Click();
    void Command2_Click();
    // A key typed into either text box: Enter (character 13) saves.
    void Text_KeyPress(int key_ascii);

private:
    Controls<ScrapControl> controls_;
    ArticleSource source_;
    Dialogs& dialogs_;
    const Clock& clock_;
    ScrapbookFile file_;
    std::function<void()> close_;
};

}  // namespace presslane
