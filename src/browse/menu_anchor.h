#pragma once

#include "common/control_set.h"

namespace presslane {

// Hides every catalogue menu and puts each under its category label: left at the label's left,
// top below the label, in window coordinates. The labels lie inside the category bar, which sits
// 785 twips down in the normal view and at the window's top in the wide view. The two menus that
// hold nothing are left alone.
void install_menus(const ControlSet& controls, bool normal_view);

}  // namespace presslane
