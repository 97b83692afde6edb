#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QObject>
#include <QWebEngineView>

#include "browse/browser.h"
#include "common/qt/widget_control.h"

class QPrinter;
class QWebEngineNewWindowRequest;

namespace presslane {

class WebPage;

// The browser port on Qt WebEngine. The browser is itself the widget the host window lays out;
// handing it out as a popup's target (the hidden sink) loads the popup's page into it.
class WebBrowser : public QWebEngineView, public Browser {
    Q_OBJECT

public:
    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    void navigate(const std::string& address) override;
    void go_back() override;
    void go_forward() override;
    void reload() override;
    void stop() override;
    void set_zoom(int percent) override;
    void print_preview() override;
    void print() override;
    // The view's own asynchronous print stays reachable beside the port's print().
    using QWebEngineView::print;

    bool has_document() const override { return has_document_ || blank_owed_; }
    std::string location_name() const override;
    std::string location_url() const override;
    bool busy() const override { return busy_ || starting_; }
    void set_silent(bool silent) override;
    bool fill_fields(const std::string& page,
                     const std::vector<std::pair<std::string, std::string>>& name_value) override;

    Control& control() override { return control_; }
    void set_focus() override;

    WebPage* web_page() const { return page_; }

    // The mouse wheel turned this many notches (up positive) with Ctrl held over the page; the
    // page itself then does not zoom. Unset, the wheel does nothing with Ctrl held.
    std::function<void(int notches)> on_zoom_wheel;
    // Opens an address in the desktop's default browser. Set, the page's context menu offers to
    // open a link or the page there; unset, it does not.
    std::function<void(const std::string& address)> on_open_elsewhere;
    // A muted browser plays no sound, also from a page a popup hands over to it.
    void set_audio_muted(bool muted);
    // For a browser that stays hidden until a person needs it: the blank page it is asked for
    // before it is first shown is only noted, and no page process starts for it. The blank page
    // loads when the browser is shown or asked to go anywhere else, before that; until then it
    // reports the blank page as its document, and none of that load's events.
    void defer_blank_until_shown() { deferring_ = true; }

    // The address navigate() loads for what a user typed; empty when it loads nothing.
    static QUrl resolve_address(const std::string& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void on_load_started();
    void on_load_progress(int progress);
    void on_load_finished();
    void load_address(const QUrl& url);
    void open_new_window(QWebEngineNewWindowRequest& request);
    void watch_render_widget();
    void print_and_wait(QPrinter* printer);
    // Ends the deferral: loads the blank page it owes, if any.
    void start_engine();

    WebPage* page_;
    WidgetControl control_;
    bool busy_ = false;
    // A load asked for whose start the engine has not reported yet: the document displayed now is
    // already on its way out.
    bool starting_ = false;
    unsigned navigations_ = 0;
    bool has_document_ = false;
    bool printing_ = false;
    bool muted_ = false;
    // A print that never reported back: the engine refuses further prints until it does.
    bool print_stuck_ = false;
    // Nothing asked of the engine yet (defer_blank_until_shown), and whether the blank page is
    // owed.
    bool deferring_ = false;
    bool blank_owed_ = false;
    // The part of a wheel notch turned with Ctrl held that has not zoomed yet.
    int wheel_eighths_ = 0;
};

}  // namespace presslane
