#pragma once

#include "updater/window_closer.h"

typedef struct _XDisplay Display;

namespace presslane {

// The top-level windows of the X display. Under a reparenting window manager the children of the
// root are frames; each frame stands for the client window inside it (the one with WM_STATE). The
// title is _NET_WM_NAME, else WM_NAME; closing sends WM_DELETE_WINDOW, which is what the window
// manager sends for a close box.
class XWindowCloser : public WindowCloser {
public:
    XWindowCloser();
    ~XWindowCloser() override;
    XWindowCloser(const XWindowCloser&) = delete;
    XWindowCloser& operator=(const XWindowCloser&) = delete;

    std::vector<Window> top_level_windows() override;
    std::string title(Window window) override;
    void send_close(Window window) override;

private:
    Display* display_;
};

}  // namespace presslane
