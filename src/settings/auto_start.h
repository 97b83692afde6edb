#pragma once

#include <string>

namespace presslane {

// Starting the program with the desktop session. On Windows this is one string value under the
// machine-wide Run key; other platforms map the same value onto their own start-up mechanism, so
// callers keep the registry's names and paths. Every operation fails silently: a value that cannot
// be written or deleted stays as it was, and nothing is reported.
class AutoStart {
public:
    // The key that holds the start-up values, and the one value the program owns there.
    static constexpr const char* kRunKey =
        "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* kValueName = "프레스레인";
    static constexpr const char* kValuePath =
        "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\프레스레인";

    virtual ~AutoStart() = default;

    // The data of the value at `path` (hive abbreviation, key and value name joined by "\"), or ""
    // when the value does not exist or cannot be read.
    virtual std::string ReadKey(const std::string& path) = 0;
    // Sets the Run value `name` to `program_path` (stored as given, unquoted), replacing any
    // value of that name.
    virtual void register_program(const std::string& name, const std::string& program_path) = 0;
    // Deletes the Run value `name`; nothing when there is none.
    virtual void unregister_program(const std::string& name) = 0;
};

}  // namespace presslane
