#pragma once

namespace presslane {

class CatalogueControls;

// Hides every catalogue menu and puts each under the category label of its family in the first
// bar: left at the label's left, top below the label, in window coordinates. The labels lie
// inside the category bar, which sits 785 twips down in the normal view and at the window's top
// in the wide view. The two menus that hold nothing are left alone.
void install_menus(const CatalogueControls& controls, bool normal_view);

}  // namespace presslane
