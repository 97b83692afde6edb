#include "shell/qt/qt_tray_icon.h"

#include "shell/tray_controller.h"

namespace presslane {

namespace {

// How often a desktop without a tray is looked at again.
constexpr int kTrayWatchMs = 1000;

}  // namespace

QtTrayIcon::QtTrayIcon(QIcon icon, QObject* parent) : QObject(parent), icon_(std::move(icon)) {
    tray_watch_.setInterval(kTrayWatchMs);
    connect(&tray_watch_, &QTimer::timeout, this, [this] {
        if (!waiting_ || !QSystemTrayIcon::isSystemTrayAvailable()) return;
        tray_watch_.stop();
        const TrayRecord record = *waiting_;
        waiting_.reset();
        show_icon(record);
    });
}

QtTrayIcon::~QtTrayIcon() { remove(); }

void QtTrayIcon::add(const TrayRecord& record) {
    if (tray_ || waiting_) return;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        waiting_ = record;
        tray_watch_.start();
        return;
    }
    show_icon(record);
}

void QtTrayIcon::show_icon(const TrayRecord& record) {
    tray_ = new QSystemTrayIcon(icon_, this);
    tray_->setToolTip(QString::fromStdString(record.tooltip));
    if (menu_) tray_->setContextMenu(menu_);
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (!on_message) return;
                // The second click of a double click is a left-button release as well, so two
                // quick clicks hide and restore the window as two slow ones do.
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    on_message(TrayController::kLeftButtonUp);
                } else if (reason == QSystemTrayIcon::Context) {
                    on_message(TrayController::kRightButtonUp);
                }
            });
    tray_->show();
    show_balloon(record);
}

void QtTrayIcon::modify(const TrayRecord& record) {
    if (!tray_) return;
    tray_->setToolTip(QString::fromStdString(record.tooltip));
    show_balloon(record);
}

void QtTrayIcon::remove() {
    tray_watch_.stop();
    waiting_.reset();
    if (!tray_) return;
    tray_->hide();
    delete tray_;
}

void QtTrayIcon::show_balloon(const TrayRecord& record) {
    tray_->showMessage(
        QString::fromStdString(record.balloon_title), QString::fromStdString(record.balloon_text),
        record.information_icon ? QSystemTrayIcon::Information : QSystemTrayIcon::NoIcon,
        kBalloonMilliseconds);
}

}  // namespace presslane
