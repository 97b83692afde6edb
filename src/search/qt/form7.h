#pragma once

#include <deque>
#include <memory>

#include <QDialog>

#include "common/control_set.h"
#include "common/qt/combo_items.h"
#include "common/qt/widget_control.h"
#include "search/webmail_login.h"

namespace presslane {

// The web-mail window on Qt: builds the controls of Form7 and forwards their events to the
// WebmailLogin controller; every activation of the window runs its Form_Activate, and every route
// that closes it runs Form_Unload once.
class Form7 : public QDialog {
    Q_OBJECT
public:
    Form7(const ControlSet& main_window, WebmailLogin::Ports ports,
          WebmailLogin::Sites sites = WebmailLogin::default_sites(), QWidget* parent = nullptr);
    ~Form7() override;

    WebmailLogin& controller() { return *controller_; }
    const ControlSet& controls() const { return controls_; }

    void done(int result) override;

protected:
    bool event(QEvent* event) override;

private:
    template <typename W>
    W* add(const char* name, W* widget);

    std::deque<WidgetControl> ports_;
    ControlSet controls_;
    std::unique_ptr<ComboItems> providers_;
    std::unique_ptr<WebmailLogin> controller_;
    bool framed_ = false;
};

}  // namespace presslane
