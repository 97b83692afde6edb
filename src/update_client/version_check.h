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

// Whether a fetched version text offers an upgrade: only a 200 answer whose text begins with a
// digit (after leading blanks) and whose number is greater than the program's own. An error page
// that happens to begin with a number ("404 page not found") offers nothing.
bool offers_upgrade(int status, std::string_view published, std::string_view own_version);

// The check run on every activation of the main window: fetches the published version and, when
// it is higher than the program's own and the user agrees, shows the update window.
class VersionCheck {
public:
    // program_version is the build's own version, the one the caption and the about window show.
    VersionCheck(Inet& inet, Dialogs& dialogs, std::string program_version,
                 std::string version_address, std::function<void()> show_update_window);

    void CheckForUpdate();
    const std::string& ProgramVersion() const { return program_version_; }
    // True while a check waits for the server or for the user's answer.
    bool running() const { return running_; }

private:
    Inet& inet_;
    Dialogs& dialogs_;
    std::string build_version_;
    std::string version_address_;
    std::function<void()> show_update_window_;
    std::string program_version_;
    bool running_ = false;
};

}  // namespace presslane
