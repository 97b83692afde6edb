#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace presslane {

// The desktop's top-level windows as the updater sees them.
class WindowCloser {
public:
    using Window = std::uint64_t;
    virtual ~WindowCloser() = default;
    // Every top-level window, visible or not, topmost first.
    virtual std::vector<Window> top_level_windows() = 0;
    // The window's title as UTF-8; empty when it has none or is gone.
    virtual std::string title(Window window) = 0;
    // Asks the window to close the way its close box would (the window manager's close request).
    virtual void send_close(Window window) = 0;
};

}  // namespace presslane
