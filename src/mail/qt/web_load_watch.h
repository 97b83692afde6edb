#pragma once

#include <QObject>
#include <QPointer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

#include "mail/load_watch.h"

namespace presslane {

// The load watch over a web engine page (not owned): the outcome of the first load the page starts
// after watch(), success meaning a page that loaded with a 2xx status.
class WebLoadWatch : public QObject, public LoadWatch {
    Q_OBJECT
public:
    explicit WebLoadWatch(QWebEnginePage* page, QObject* parent = nullptr);

    void watch(const std::string& address) override;
    State state() const override { return state_; }

private:
    void on_loading_changed(const QWebEngineLoadingInfo& info);

    QPointer<QWebEnginePage> page_;
    State state_ = State::Idle;
    // A load that started before watch() (the window's blank page) may still end afterwards.
    bool started_ = false;
};

}  // namespace presslane
