#pragma once

#include <optional>
#include <string>

#include "common/screen.h"

namespace presslane {

// The main window's saved position and size, one line of "lane_desk_x_y_setting.res":
// left|top|width|height in twips.
namespace geometry {

// The geometry to apply at start-up for the first line of the file. An empty line (no file) gives
// the default geometry; a line whose values are out of range, not numbers, or fewer than four gives
// the repair geometry, which fills the work area to the right of the catalogue's usual place.
Rect restore(const std::string& first_line, Size work_area, Size screen);

// The four numbers of a line, or nothing when there are fewer than four or one is not a number.
std::optional<Rect> parse(const std::string& line);

// The line save_width writes for this frame (whole numbers, no decimal point).
std::string format(const Rect& frame);

}  // namespace geometry
}  // namespace presslane
