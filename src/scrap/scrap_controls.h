#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the scrap dialog Form2 its controller reaches: the title and the address box.
#define FORM2_CONTROLS(X) X(Text1) X(Text2)
PRESSLANE_DECLARE_CONTROLS(ScrapControl, FORM2_CONTROLS)

}  // namespace presslane
