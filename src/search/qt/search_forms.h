#pragma once

#include <memory>

#include <QPointer>

#include "search/qt/form7.h"
#include "search/qt/form8.h"

class QWidget;

namespace presslane {

class Clock;
class Control;
class Dialogs;
class EventPump;
class WebBrowser;

// The main window's two search windows, which share one place above its status bar: each opens
// modally, is built anew for every opening, and unloads the other when it closes.
class SearchForms {
public:
    // form1, frame10: the main window's outer frame and status bar; web1: its main browser.
    SearchForms(const Control& form1, const Control& frame10, WebBrowser& web1, Dialogs& dialogs,
                EventPump& pump, const Clock& clock, QWidget* parent);
    ~SearchForms();

    // Picture15: shows the portal search window Form8 modally and returns when it has closed.
    void open_portal_search();
    // Picture14: shows the web-mail window Form7 modally and returns when it has closed.
    void open_webmail();

    // The window that is open now, or nullptr.
    Form8* portal_search() const { return form8_; }
    Form7* webmail() const { return form7_; }

private:
    const Control& form1_;
    const Control& frame10_;
    WebBrowser& web1_;
    Dialogs& dialogs_;
    EventPump& pump_;
    const Clock& clock_;
    QPointer<QWidget> parent_;
    QPointer<Form8> form8_;
    QPointer<Form7> form7_;
    // Lets an opening call tell, after its modal loop, whether this owner still exists.
    std::shared_ptr<void> alive_ = std::make_shared<int>(0);
};

}  // namespace presslane
