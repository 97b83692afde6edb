#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the portal search window Form8 its controller reaches: the window itself, the
// engine name and the query.
#define FORM8_CONTROLS(X) X(Form8) X(Combo1) X(Text1)
PRESSLANE_DECLARE_CONTROLS(PortalSearchControl, FORM8_CONTROLS)

}  // namespace presslane
