#pragma once

#include <memory>

#include "common/qt/combo_items.h"
#include "search/qt/search_form.h"
#include "search/webmail_controller.h"

namespace presslane {

class Control;

// The web-mail window on Qt: builds the controls of Form7 and forwards their events to the
// WebmailController; every activation of the window runs its Form_Activate, and every route
// that closes it runs Form_Unload once.
class Form7 : public SearchForm {
    Q_OBJECT
public:
    // form1, frame10: the main window's outer frame and status bar.
    Form7(const Control& form1, const Control& frame10, WebmailController::Ports ports,
          WebmailController::Sites sites = WebmailController::default_sites(),
          QWidget* parent = nullptr);
    ~Form7() override;

    void done(int result) override;

private:
    std::unique_ptr<ComboItems> providers_;
    std::unique_ptr<WebmailController> controller_;
};

}  // namespace presslane
