#pragma once

namespace presslane {

// A window's outer frame in twips.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

// The desktop the main window lives on, in twips.
class Screen {
public:
    virtual ~Screen() = default;
    // The desktop area not covered by panels and task bars.
    virtual Size work_area() = 0;
    // The whole screen.
    virtual Size screen_size() = 0;
};

}  // namespace presslane
