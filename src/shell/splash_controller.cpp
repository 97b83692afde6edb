#include "shell/splash_controller.h"

#include "common/control.h"
#include "common/event_pump.h"
#include "common/wait.h"

namespace presslane {

void run_progress(ProgressBar& bar) {
    bar.set_value(0);
    bar.set_max(7000);
    for (int i = 0; i < 7000; ++i) bar.set_value(bar.value() + 1);
}

SplashController::SplashController(ProgressBar& progress, EventPump& pump, const Clock& clock,
                                   Hooks hooks)
    : progress_(progress), pump_(pump), clock_(clock), hooks_(std::move(hooks)) {}

void SplashController::load_main_once() {
    // Marked before the load runs: the load lets events run, and a timer tick inside it must
    // find the main window loaded.
    if (main_loaded_) return;
    main_loaded_ = true;
    if (hooks_.load_main) hooks_.load_main();
}

void SplashController::Form_Activate() {
    pump_.process_pending();
    wait_seconds(1.0f, pump_, clock_);
    // The timer may have closed the splash during the wait; its bar is then gone.
    if (!closed_) run_progress(progress_);
    load_main_once();
}

void SplashController::Timer1_Timer() {
    if (closed_) return;
    pump_.process_pending();
    load_main_once();
    if (hooks_.show_main) hooks_.show_main();
    closed_ = true;
    if (hooks_.close_splash) hooks_.close_splash();
}

}  // namespace presslane
