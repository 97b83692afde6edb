#include "support/web_page_steps.h"

#include <QSignalSpy>
#include <QWebEnginePage>

#include "browse/qt/web_browser.h"
#include "support/pump_until.h"

namespace presslane {

bool load(WebBrowser& browser, const std::string& address) {
    QSignalSpy finished(browser.page(), &QWebEnginePage::loadFinished);
    browser.navigate(address);
    return pump_until([&] { return finished.count() > 0; });
}

std::string run_js(WebBrowser& browser, const QString& script) {
    bool done = false;
    QString result;
    browser.page()->runJavaScript(script, [&](const QVariant& value) {
        result = value.toString();
        done = true;
    });
    pump_until([&] { return done; });
    return result.toStdString();
}

}  // namespace presslane
