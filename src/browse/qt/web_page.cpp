#include "browse/qt/web_page.h"

#include <QWebEngineView>

namespace presslane {

namespace {

// What a popup window is given when its page asks for no particular size.
constexpr int kPopupWidth = 800;
constexpr int kPopupHeight = 600;

}  // namespace

WebPage::WebPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

WebPage* WebPage::open_in_own_window(QWebEngineProfile* profile, const QRect& geometry) {
    auto* window = new QWebEngineView;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(kPopupWidth, kPopupHeight);
    if (!geometry.isEmpty()) window->setGeometry(geometry);
    // The popup must share its opener's profile, or the engine refuses to hand it over.
    auto* page = new WebPage(profile, window);
    window->setPage(page);
    connect(page, &QWebEnginePage::titleChanged, window, &QWidget::setWindowTitle);
    connect(page, &QWebEnginePage::geometryChangeRequested, window,
            [window](const QRect& geometry) {
                if (!geometry.isEmpty()) window->setGeometry(geometry);
            });
    // window.close() from the popup's own script closes (and so deletes) its window.
    connect(page, &QWebEnginePage::windowCloseRequested, window, &QWidget::close);
    window->show();
    return page;
}

bool WebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
    // A copy: the handler may replace itself while it runs.
    if (auto handler = on_navigation_request) handler(url);
    return true;
}

void WebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                       int line, const QString& source) {
    // The base class writes script errors and warnings to the terminal through the "js" logging
    // category; pages are noisy, and a silent browser keeps all of it to itself.
    if (!silent_) QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
}

}  // namespace presslane
