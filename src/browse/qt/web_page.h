#pragma once

#include <functional>

#include <QUrl>
#include <QWebEnginePage>

namespace presslane {

// The page behind every browser of the program, and behind the windows its popups open in.
// Reports each frame's navigation, lets the owner choose where a new window's page goes, and keeps
// page console output away from the terminal while silent.
class WebPage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit WebPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    bool silent() const { return silent_; }
    void set_silent(bool silent) { silent_ = silent; }

    // Called for the navigation of every frame before it starts; the navigation always goes on.
    std::function<void(const QUrl& url)> on_navigation_request;
    // Asked when the page opens a new window: the page to load it into, or nullptr for a window of
    // its own.
    std::function<QWebEnginePage*()> on_create_window;

    // Opens a top-level browser window of its own (deleted when closed) and returns its page, of
    // the given profile, so that a popup's page can be loaded into it.
    static WebPage* open_in_own_window(QWebEngineProfile* profile);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;

private:
    bool silent_ = false;
};

}  // namespace presslane
