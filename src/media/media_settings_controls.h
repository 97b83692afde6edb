#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the media settings window Form10 its controller reaches: the window itself, the
// new channel's name and address, the chosen channel's address, the channel list and the boards'
// frame.
#define FORM10_CONTROLS(X) X(Form10) X(Text1) X(Text2) X(Text3) X(Combo1) X(Frame2)
PRESSLANE_DECLARE_CONTROLS(MediaSettingsControl, FORM10_CONTROLS)

}  // namespace presslane
