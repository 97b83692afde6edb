#pragma once

#include <functional>

#include "shell/tray_icon.h"

namespace presslane {

class Clock;

// The main window's tray icon and its notification handler. A left-button release hides a
// window in its normal state (minimised and hidden, reachable only through the icon) and brings
// any other back to normal; a right-button release shows the start-up balloon again.
class TrayController {
public:
    // The mouse message codes the notification area hands over.
    static constexpr int kLeftButtonUp = 514;
    static constexpr int kRightButtonUp = 517;

    enum class WindowState { Normal, Minimised, Maximised, Hidden };
    struct Window {
        std::function<WindowState()> state;
        std::function<void()> hide_to_tray;  // minimise, then hide
        std::function<void()> show_normal;   // normal state, shown and raised
    };

    static constexpr const char* kTooltip = "Press Lane 2005";
    static constexpr const char* kBalloonTitle = "Press Lane";
    static constexpr const char* kBalloonText = "이제 편리하게 뉴스를 검색하세요 - 프레스레인 ";

    TrayController(TrayIcon& icon, const Clock& clock, Window window);

    // Builds the record once, with the date and time of this moment, and shows the icon.
    void add_tray_icon();
    void remove_tray_icon();
    // The notification handler of the hidden pichook picture.
    void pichook_MouseMove(int message);

    const TrayRecord& record() const { return record_; }
    bool tray_busy() const { return tray_busy_; }

private:
    TrayIcon& icon_;
    const Clock& clock_;
    Window window_;
    TrayRecord record_;
    bool added_ = false;
    bool tray_busy_ = false;
};

}  // namespace presslane
