#pragma once

#include <functional>
#include <string>

#include "shell/about_controls.h"

namespace presslane {

// The about window (Form6): the program's name and version, the freeware and contact notice,
// the upgrade history, the thanks list and the terms of use. Built anew for every opening.
class AboutController {
public:
    static constexpr const char* kCaption = "프레스레인 프로그램 정보";

    // version: the program version ("4.47"); close: closes and destroys the window.
    AboutController(Controls<AboutControl> controls, std::string version, std::string home_page,
                    std::function<void()> close);

    void Form_Load();
    void Command1_Click();

    // The three text boxes' contents, lines ended by CR LF.
    static std::string upgrade_history();
    static std::string terms_of_use();

private:
    void set(AboutControl control, const std::string& text);

    Controls<AboutControl> controls_;
    std::string version_;
    std::string home_page_;
    std::function<void()> close_;
};

}  // namespace presslane
