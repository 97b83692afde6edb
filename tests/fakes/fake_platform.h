#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "common/shell.h"
#include "common/screen.h"

namespace presslane {

// Thrown by FakeShell::end_process so that a test sees the process end without ending.
struct ProcessEnded {};

struct FakeShell : Shell {
    bool open_in_default_browser(const std::string& a) override {
        opened.push_back(a);
        return true;
    }
    bool start_process(const std::string& p, const std::vector<std::string>&) override {
        started.push_back(p);
        return true;
    }
    [[noreturn]] void end_process() override { throw ProcessEnded{}; }
    std::vector<std::string> opened, started;
};

struct FakeScreen : Screen {
    Size work_area() override { return work; }
    Size screen_size() override { return screen; }
    Size work{28800, 15600};
    Size screen{28800, 16200};
};

}  // namespace presslane
