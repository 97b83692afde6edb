#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/control.h"

namespace presslane {

// The embedded web browser as the program uses it. Every call and event happens on the UI thread;
// events arrive while that thread processes window events, also inside the program's waits.
class Browser {
public:
    virtual ~Browser() = default;

    // Starts an asynchronous load and returns at once. The address is resolved the way a browser's
    // address bar would: no scheme, a Korean domain name and "about: blank" (with its blank) are
    // accepted; the empty address is accepted and loads nothing.
    virtual void navigate(const std::string& address) = 0;
    // One step in this browser's history; nothing at the ends.
    virtual void go_back() = 0;
    virtual void go_forward() = 0;
    // Loads the current page again; stops the load in progress (nothing when none is).
    virtual void reload() = 0;
    virtual void stop() = 0;
    // Shows the page at this size, in percent of its normal size; kept across loads until changed.
    virtual void set_zoom(int percent) = 0;
    // The browser's own print preview window, then its print dialog, both with default options.
    // Each is modal; window events keep running while they are open.
    virtual void print_preview() = 0;
    virtual void print() = 0;

    // True while an HTML document is loaded (the document the mouse-over binding holds).
    virtual bool has_document() const = 0;
    // The current page title ("location name") and address ("location URL"); the address is fully
    // encoded, as the browser sends it, so it holds no "|" and opens the same page when stored.
    virtual std::string location_name() const = 0;
    virtual std::string location_url() const = 0;
    // True from navigate() on while that load is in progress.
    virtual bool busy() const = 0;
    // Silent: no script-error dialogs and no page console messages shown to the user.
    virtual void set_silent(bool silent) = 0;
    // Fills form fields of the displayed top document, and only of a document of the same origin
    // as the address `page` (scheme, host and port, as the browser compares origins: an http page
    // is never taken for an https one): when the first element of every given name exists, sets
    // each one's "value" attribute and its live value to the given text. The origin check and the
    // fill happen on the same document, so a page that changes meanwhile is never filled by
    // mistake. While a load is running it answers from the document it has. Returns whether it
    // filled; nothing is filled when any element is missing, the origin differs or the page does
    // not answer.
    virtual bool fill_fields(
        const std::string& page,
        const std::vector<std::pair<std::string, std::string>>& name_value) = 0;

    // Placement and visibility in the host window.
    virtual Control& control() = 0;
    virtual void set_focus() = 0;

    // ProgressChange: progress and maximum of the current load; progress -1 when a load ends.
    std::function<void(int progress, int maximum)> on_progress_change;
    // BeforeNavigate2: for every frame's navigation; never cancels it.
    std::function<void(const std::string& address)> on_before_navigate;
    // NewWindow2: a page asks for a new window; by_user tells whether the user asked for it (a
    // click on a link that opens a new window, a middle click, a script run by a click) or the
    // page opened it by itself. The handler returns the browser that is to receive the new
    // window's page, or nullptr to let it open in a window of its own. Handed the asking browser
    // itself, the page loads there in place, in that browser's history.
    std::function<Browser*(bool by_user)> on_new_window;
    // DocumentComplete: a frame (or the top document) finished loading.
    std::function<void()> on_document_complete;
    // Mouse-over of the bound document: delivered from the first DocumentComplete on.
    std::function<void()> on_document_mouse_over;
};

}  // namespace presslane
