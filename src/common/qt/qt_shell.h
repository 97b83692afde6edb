#pragma once

#include "common/shell.h"

namespace presslane {

// The desktop: the default web browser through the desktop's URL handler, detached processes,
// and ending the process without unwinding.
class QtShell : public Shell {
public:
    bool open_in_default_browser(const std::string& address) override;
    bool start_process(const std::string& program, const std::vector<std::string>& args) override;
    [[noreturn]] void end_process() override;
};

}  // namespace presslane
