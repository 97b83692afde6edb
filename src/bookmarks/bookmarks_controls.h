#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the bookmarks window Form5 its controller reaches: the site name and address
// boxes, the count and the picture that hides when the mouse passes over it.
#define FORM5_CONTROLS(X) X(Text1) X(Text2) X(Label4) X(Picture11)
PRESSLANE_DECLARE_CONTROLS(BookmarksControl, FORM5_CONTROLS)

}  // namespace presslane
