#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace presslane {

class Dialogs;
class Inet;

// The number a version text begins with, after leading blanks: "4.5" is 4.5 and so greater than
// "4.47" (4.47), while "4.100" is 4.1. A text that does not begin with a number counts as 0.
double leading_number(std::string_view text);

// The check run on every activation of the main window: fetches the published version and, when
// it is higher than the program's own and the user agrees, shows the update window.
class VersionCheck {
public:
    VersionCheck(Inet& inet, Dialogs& dialogs, std::string version_address,
                 std::function<void()> show_update_window);

    void CheckForUpdate();
    const std::string& ProgramVersion() const { return program_version_; }
    // True while a check waits for the server or for the user's answer.
    bool running() const { return running_; }

private:
    Inet& inet_;
    Dialogs& dialogs_;
    std::string version_address_;
    std::function<void()> show_update_window_;
    std::string program_version_ = "4.47";
    bool running_ = false;
};

}  // namespace presslane
