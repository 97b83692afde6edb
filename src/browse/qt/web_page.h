#pragma once

#include <functional>

#include <QRect>
#include <QUrl>
#include <QWebEnginePage>

namespace presslane {

// The page behind every browser of the program, and behind the windows its popups open in.
// Reports each frame's navigation and keeps page console output away from the terminal while
// silent. Where a new window's page goes is decided by the owner, on newWindowRequested.
class WebPage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit WebPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    bool silent() const { return silent_; }
    void set_silent(bool silent) { silent_ = silent; }

    // Called for the navigation of every frame before it starts; the navigation always goes on.
    std::function<void(const QUrl& url)> on_navigation_request;

    // Opens a top-level browser window of its own (deleted when closed) and returns its page, of
    // the given profile, so that a popup's page can be loaded into it. An empty geometry leaves
    // the window its usual size.
    static WebPage* open_in_own_window(QWebEngineProfile* profile, const QRect& geometry);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;

private:
    bool silent_ = false;
};

}  // namespace presslane
