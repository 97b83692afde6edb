#include "shell/progress_controller.h"

#include "common/event_pump.h"
#include "common/wait.h"
#include "shell/splash_controller.h"

namespace presslane {

ProgressController::ProgressController(ProgressBar& progress, EventPump& pump, const Clock& clock,
                                       std::function<void()> close)
    : progress_(progress), pump_(pump), clock_(clock), close_(std::move(close)) {}

void ProgressController::Form_Activate() {
    // Activated again while its first run waits (the user switched away and back): the first run
    // closes the window; a second close would act on a window that is gone.
    if (closed_) return;
    started_ = true;
    pump_.process_pending();
    wait_seconds(0.3f, pump_, clock_);
    run_progress(progress_);
    wait_seconds(1.0f, pump_, clock_);
    if (closed_) return;
    closed_ = true;
    if (close_) close_();
}

void ProgressController::activation_overdue() {
    if (!started_) Form_Activate();
}

}  // namespace presslane
