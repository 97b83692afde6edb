#include "shell/tray_controller.h"

#include "common/clock.h"

namespace presslane {

TrayController::TrayController(TrayIcon& icon, const Clock& clock, Window window)
    : icon_(icon), clock_(clock), window_(std::move(window)) {}

void TrayController::add_tray_icon() {
    if (added_) return;
    record_ = {kTooltip, kBalloonTitle,
               std::string(kBalloonText) + clock_.date_text() + " " + clock_.time_text(), true};
    icon_.add(record_);
    added_ = true;
}

void TrayController::remove_tray_icon() {
    if (!added_) return;
    icon_.remove();
    added_ = false;
}

void TrayController::pichook_MouseMove(int message) {
    if (tray_busy_) return;
    tray_busy_ = true;
    if (message == kLeftButtonUp) {
        const WindowState state = window_.state ? window_.state() : WindowState::Normal;
        if (state == WindowState::Normal) {
            if (window_.hide_to_tray) window_.hide_to_tray();
        } else if (window_.show_normal) {
            window_.show_normal();
        }
    } else if (message == kRightButtonUp && added_) {
        icon_.modify(record_);
    }
    tray_busy_ = false;
}

}  // namespace presslane
