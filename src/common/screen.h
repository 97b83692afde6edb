#pragma once

#include "shell/geometry.h"

namespace presslane {

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
