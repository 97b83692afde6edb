#pragma once

#include <memory>
#include <vector>

#include "common/qt/combo_items.h"
#include "search/qt/search_form.h"
#include "search/portal_search_controller.h"

namespace presslane {

class Browser;
class Control;
class EventPump;

// The portal search window on Qt: builds the controls of Form8 and forwards their events to the
// PortalSearchController; every activation of the window runs its Form_Activate.
class Form8 : public SearchForm {
    Q_OBJECT
public:
    // form1, frame10: the main window's outer frame and status bar.
    Form8(const Control& form1, const Control& frame10, Browser& web1, EventPump& pump,
          std::vector<PortalSearchController::Site> sites = PortalSearchController::default_sites(),
          QWidget* parent = nullptr);
    ~Form8() override;

private:
    std::unique_ptr<ComboItems> engines_;
    std::unique_ptr<PortalSearchController> controller_;
};

}  // namespace presslane
