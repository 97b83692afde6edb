#pragma once

#include <string>
#include <vector>

namespace presslane {

// The desktop around the program.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens an address in the user's default web browser; false when nothing could be started.
    virtual bool open_in_default_browser(const std::string& address) = 0;
    // Starts a program as a new, independent process; false when it could not be started.
    virtual bool start_process(const std::string& program,
                               const std::vector<std::string>& args) = 0;
    // Ends this process at once: no further event of any window runs.
    [[noreturn]] virtual void end_process() = 0;
};

}  // namespace presslane
