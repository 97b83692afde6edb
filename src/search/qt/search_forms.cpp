#include "search/qt/search_forms.h"

#include <memory>

#include "browse/qt/web_browser.h"
#include "search/qt/form7.h"
#include "search/qt/form8.h"

namespace presslane {
namespace {

// Unloads a window that is still open: it closes (running its unload) and the call that opened
// it releases it once its modal loop has returned.
template <typename F>
void unload(const QPointer<F>& form) {
    if (form) form->reject();
}

// Runs a window modally and releases it; a parent that went meanwhile has released it already.
template <typename F>
void run(F* window) {
    QPointer<F> form(window);
    form->exec();
    delete form.data();
}

}  // namespace

SearchForms::SearchForms(const Control& form1, const Control& frame10, WebBrowser& web1,
                         Dialogs& dialogs, EventPump& pump, const Clock& clock, QWidget* parent)
    : form1_(form1),
      frame10_(frame10),
      web1_(web1),
      dialogs_(dialogs),
      pump_(pump),
      clock_(clock),
      parent_(parent) {}

SearchForms::~SearchForms() {
    // A window still open closes; the call that opened it releases it when its loop returns.
    unload(form8_);
    unload(form7_);
}

void SearchForms::open_portal_search() {
    // Already open: a second click (from inside a wait of the window) brings it forward.
    if (form8_) {
        form8_->activateWindow();
        return;
    }
    const std::weak_ptr<void> alive = alive_;
    form8_ =
        new Form8(form1_, frame10_, web1_, pump_, PortalSearchController::default_sites(), parent_);
    run(form8_.data());
    if (!alive.expired()) unload(form7_);
}

void SearchForms::open_webmail() {
    if (form7_) {
        form7_->activateWindow();
        return;
    }
    form7_ = new Form7(form1_, frame10_, WebmailController::Ports{web1_, dialogs_, pump_, clock_},
                       WebmailController::default_sites(), parent_);
    const std::weak_ptr<void> alive = alive_;
    run(form7_.data());
    if (!alive.expired()) unload(form8_);
}

}  // namespace presslane
