#pragma once

#include <deque>
#include <memory>
#include <vector>

#include <QDialog>

#include "common/control_set.h"
#include "common/qt/combo_items.h"
#include "common/qt/widget_control.h"
#include "search/portal_search.h"

namespace presslane {

class Browser;
class EventPump;

// The portal search window on Qt: builds the controls of Form8 and forwards their events to the
// PortalSearch controller; every activation of the window runs its Form_Activate.
class Form8 : public QDialog {
    Q_OBJECT
public:
    Form8(const ControlSet& main_window, Browser& web1, EventPump& pump,
          std::vector<PortalSearch::Site> sites = PortalSearch::default_sites(),
          QWidget* parent = nullptr);
    ~Form8() override;

    PortalSearch& controller() { return *controller_; }
    const ControlSet& controls() const { return controls_; }

protected:
    bool event(QEvent* event) override;

private:
    template <typename W>
    W* add(const char* name, W* widget);

    std::deque<WidgetControl> ports_;
    ControlSet controls_;
    std::unique_ptr<ComboItems> engines_;
    std::unique_ptr<PortalSearch> controller_;
    bool framed_ = false;
};

}  // namespace presslane
