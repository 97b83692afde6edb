#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the web-mail window Form7 its controller reaches: the window itself, the
// provider, the id and the password.
#define FORM7_CONTROLS(X) X(Form7) X(Combo1) X(Text1) X(Text2)
PRESSLANE_DECLARE_CONTROLS(WebmailControl, FORM7_CONTROLS)

}  // namespace presslane
