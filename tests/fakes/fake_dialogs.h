#pragma once

#include <string>
#include <vector>

#include "common/dialogs.h"

namespace presslane {

// Records every box; questions are answered from `answers` in order (Yes once they run out).
struct FakeDialogs : Dialogs {
    struct Box {
        std::string text, title;
        bool question;
    };
    void message(const std::string& text, const std::string& title, Icon) override {
        boxes.push_back({text, title, false});
    }
    bool ask_yes_no(const std::string& text, const std::string& title) override {
        boxes.push_back({text, title, true});
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    std::vector<Box> boxes;
    std::vector<bool> answers;
};

}  // namespace presslane
