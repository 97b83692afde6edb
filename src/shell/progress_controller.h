#pragma once

#include <functional>

namespace presslane {

class Clock;
class EventPump;
class ProgressBar;

// The progress window (Form9) shown while newspaper information is collected: it only paces its
// bar and closes itself; the caller's page load starts after it has closed.
class ProgressController {
public:
    ProgressController(ProgressBar& progress, EventPump& pump, const Clock& clock,
                       std::function<void()> close);

    void Form_Activate();
    // Called a moment after the window is shown: a window manager that never activates the window
    // must not keep it, and the modal wait of its caller, open for ever. Runs the activation
    // routine unless an activation has already started it.
    void activation_overdue();

private:
    ProgressBar& progress_;
    EventPump& pump_;
    const Clock& clock_;
    std::function<void()> close_;
    bool started_ = false;
    bool closed_ = false;
};

}  // namespace presslane
