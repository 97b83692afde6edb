#pragma once

#include "updater/window_closer.h"

namespace presslane {

// The desktop's top-level windows through the Windows user interface calls: EnumWindows in
// z-order, a title of at most 255 characters, and WM_CLOSE, which a window gets from its close
// box too.
class WinWindowCloser : public WindowCloser {
public:
    std::vector<Window> top_level_windows() override;
    std::string title(Window window) override;
    void send_close(Window window) override;
};

}  // namespace presslane
