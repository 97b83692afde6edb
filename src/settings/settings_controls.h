#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the settings dialog Form3 its controller reaches: the start page box, the
// channel played at start, the "current page" button (its tooltip) and the help picture.
#define FORM3_CONTROLS(X) X(Text1) X(Combo1) X(Command8) X(Picture1)
PRESSLANE_DECLARE_CONTROLS(SettingsControl, FORM3_CONTROLS)

}  // namespace presslane
