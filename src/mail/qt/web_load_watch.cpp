#include "mail/qt/web_load_watch.h"

namespace presslane {

WebLoadWatch::WebLoadWatch(QWebEnginePage* page, QObject* parent) : QObject(parent), page_(page) {
    connect(page, &QWebEnginePage::loadingChanged, this, &WebLoadWatch::on_loading_changed);
}

void WebLoadWatch::watch(const std::string&) {
    state_ = State::Pending;
    started_ = false;
}

void WebLoadWatch::on_loading_changed(const QWebEngineLoadingInfo& info) {
    if (state_ != State::Pending) return;
    switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
            started_ = true;
            return;
        case QWebEngineLoadingInfo::LoadSucceededStatus: {
            if (!started_) return;
            // The engine reports the answer's status code in the HTTP status domain; an error
            // status with a body of its own still "loads".
            const bool http_error =
                info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain &&
                (info.errorCode() < 200 || info.errorCode() > 299);
            state_ = info.isErrorPage() || http_error ? State::Failed : State::Succeeded;
            return;
        }
        case QWebEngineLoadingInfo::LoadStoppedStatus:
        case QWebEngineLoadingInfo::LoadFailedStatus:
            if (started_) state_ = State::Failed;
            return;
    }
}

}  // namespace presslane
