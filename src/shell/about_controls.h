#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the about window Form6 its controller fills: the name, version and notice
// labels, the history, thanks and terms boxes, and the OK button's caption.
// clang-format off
#define FORM6_CONTROLS(X)                                                              \
    X(Label1) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6) X(Label7) X(Label8)    \
    X(Text1) X(Text2) X(Text3) X(Command1)
// clang-format on
PRESSLANE_DECLARE_CONTROLS(AboutControl, FORM6_CONTROLS)

}  // namespace presslane
