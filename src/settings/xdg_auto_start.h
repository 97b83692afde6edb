#pragma once

#include <filesystem>
#include <string>

#include "settings/auto_start.h"

namespace presslane {

// Start-up on a freedesktop session: the program's Run value is one autostart entry (a Desktop
// Entry file) in the user's autostart folder, whose Exec line starts the program. The entry is
// written whole to a scratch file and renamed into place, so a session manager never reads half
// an entry. Only the program's own value name is known here; any other path reads as absent.
class XdgAutoStart : public AutoStart {
public:
    // The file that stands for the value AutoStart::kValueName.
    static constexpr const char* kEntryFile = "presslane.desktop";

    // folder: the autostart folder; an empty path turns every operation into nothing.
    explicit XdgAutoStart(std::filesystem::path folder);

    std::filesystem::path entry_path() const { return folder_ / kEntryFile; }

    // The program path of the entry's Exec line, unquoted; "" when the entry is missing, cannot
    // be read, has no Exec line or is switched off (Hidden=true, X-GNOME-Autostart-enabled=false).
    std::string ReadKey(const std::string& path) override;
    void register_program(const std::string& name, const std::string& program_path) override;
    void unregister_program(const std::string& name) override;

private:
    std::filesystem::path folder_;
};

// The user's autostart folder by the XDG base-directory rules: "$XDG_CONFIG_HOME/autostart", or
// "$HOME/.config/autostart" when XDG_CONFIG_HOME is unset, empty or not an absolute path. Empty
// when no home folder is known either.
std::filesystem::path default_autostart_folder();

}  // namespace presslane
