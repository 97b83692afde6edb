#pragma once

#include <QDialog>
#include <QTimer>

#include "common/qt/progress_bar_control.h"
#include "shell/splash_controller.h"

class QProgressBar;

namespace presslane {

class Clock;
class EventPump;

// The splash window (start_form). Its behaviour is the SplashController's; this class builds the
// controls and forwards activation and Timer1 to it.
class StartForm : public QDialog {
    Q_OBJECT
public:
    StartForm(EventPump& pump, const Clock& clock, SplashController::Hooks hooks);

    SplashController& controller() { return splash_; }

signals:
    // The splash became the active window; its activation routine runs next, from the event loop.
    void activated();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Hides the splash and ends Timer1; the window itself is destroyed once no activation routine
    // of it is still unwinding.
    void close_and_destroy();
    void activate();

    QProgressBar* progress_;
    ProgressBarControl progress_port_;
    QTimer timer1_;
    SplashController splash_;
    int activations_running_ = 0;
    bool closed_ = false;
};

}  // namespace presslane
