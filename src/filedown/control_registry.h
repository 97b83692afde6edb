#pragma once

#include <filesystem>
#include <string>

namespace presslane {

// Where self-registering control libraries record themselves: one record "ProgID|library path"
// per control in $XDG_DATA_HOME/presslane/controls.res (~/.local/share when the variable is
// unset), on Windows in %APPDATA%\presslane\controls.res: the program's controls are found
// beside it, never in the system's own control registry.
class ControlRegistry {
public:
    // The per-user registry file.
    ControlRegistry();
    explicit ControlRegistry(std::filesystem::path file);

    const std::filesystem::path& file() const { return file_; }
    // Records (or replaces) the library of a ProgID; false when the file could not be written.
    bool add(const std::string& prog_id, const std::string& library) const;
    // Drops the ProgID's record; true when none is left afterwards.
    bool remove(const std::string& prog_id) const;
    // The recorded library, or "" when the ProgID is not registered.
    std::string find(const std::string& prog_id) const;

private:
    std::filesystem::path file_;
};

}  // namespace presslane
