#pragma once

#include "common/screen.h"

namespace presslane {

// The primary screen: its available geometry is the work area the window manager reports.
class QtScreen : public Screen {
public:
    Size work_area() override;
    Size screen_size() override;
};

}  // namespace presslane
