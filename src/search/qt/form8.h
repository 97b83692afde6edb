#pragma once

#include <memory>
#include <vector>

#include "common/qt/combo_items.h"
#include "search/qt/search_dialog.h"
#include "search/portal_search.h"

namespace presslane {

class Browser;
class EventPump;

// The portal search window on Qt: builds the controls of Form8 and forwards their events to the
// PortalSearch controller; every activation of the window runs its Form_Activate.
class Form8 : public SearchDialog {
    Q_OBJECT
public:
    Form8(const ControlSet& main_window, Browser& web1, EventPump& pump,
          std::vector<PortalSearch::Site> sites = PortalSearch::default_sites(),
          QWidget* parent = nullptr);
    ~Form8() override;

    PortalSearch& controller() { return *controller_; }

private:
    std::unique_ptr<ComboItems> engines_;
    std::unique_ptr<PortalSearch> controller_;
};

}  // namespace presslane
