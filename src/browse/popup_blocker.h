#pragma once

#include <string>

#include "browse/browser_host.h"
#include "common/control.h"

namespace presslane {

class Browser;
class Dialogs;
class EventPump;

// Popup blocking: while it is on, every window a page opens by itself loads into the hidden sink
// browser, so nothing opens on screen and the page's request still succeeds; a window the user
// asked for opens in the main browser. It starts off, is set at every start-page load and toggled
// by toolbar button 7; it is never saved.
class PopupBlocker : public BrowserHost::Popups {
public:
    // button7: the toolbar's popup button, whose caption shows the state.
    PopupBlocker(Browser& main, Browser& sink, Control& button7, Dialogs& dialogs, EventPump& pump);

    // Field 2 of the settings line (nullptr when missing). Blocking goes on for "1", for a missing
    // or non-numeric field, and stays on once it is on.
    void set_from_settings(const std::string* field2) override;
    void Toolbar1_Button7_Click() override;
    // The browser that receives a new window's page, or nullptr to let it open normally.
    Browser* WebBrowser1_NewWindow2(bool by_user);

    bool blocking() const { return blocking_; }

private:
    void set(bool block);

    Browser& main_;
    Browser& sink_;
    Control& button7_;
    Dialogs& dialogs_;
    EventPump& pump_;
    bool blocking_ = false;
};

// Field 2 read as a number: true when it is missing, not a number, or equal to 1.
bool settings_ask_blocking(const std::string* field2);

}  // namespace presslane
