#pragma once

#include <memory>

#include "common/qt/combo_items.h"
#include "search/qt/search_dialog.h"
#include "search/webmail_login.h"

namespace presslane {

class Control;

// The web-mail window on Qt: builds the controls of Form7 and forwards their events to the
// WebmailLogin controller; every activation of the window runs its Form_Activate, and every route
// that closes it runs Form_Unload once.
class Form7 : public SearchDialog {
    Q_OBJECT
public:
    // form1, frame10: the main window's outer frame and status bar.
    Form7(const Control& form1, const Control& frame10, WebmailLogin::Ports ports,
          WebmailLogin::Sites sites = WebmailLogin::default_sites(), QWidget* parent = nullptr);
    ~Form7() override;

    void done(int result) override;

private:
    std::unique_ptr<ComboItems> providers_;
    std::unique_ptr<WebmailLogin> controller_;
};

}  // namespace presslane
