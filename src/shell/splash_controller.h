#pragma once

#include <functional>

namespace presslane {

class Clock;
class EventPump;
class ProgressBar;

// The splash window (start_form): the program's first window. Its activation paces a progress bar
// and loads the main window; its 5-second timer shows the main window and closes the splash. The
// main window is loaded once, whichever of the two comes first.
class SplashController {
public:
    struct Hooks {
        std::function<void()> load_main;  // creates the main window and runs its load sequence
        std::function<void()> show_main;
        std::function<void()> close_splash;  // hides the splash, stops Timer1, destroys it later
    };

    SplashController(ProgressBar& progress, EventPump& pump, const Clock& clock, Hooks hooks);

    // Runs every time the splash becomes the active window; it may run again, nested, while an
    // earlier run waits, and it may still be unwinding when the timer has closed the splash.
    void Form_Activate();
    void Timer1_Timer();

    bool closed() const { return closed_; }

private:
    void load_main_once();

    ProgressBar& progress_;
    EventPump& pump_;
    const Clock& clock_;
    Hooks hooks_;
    bool main_loaded_ = false;
    bool closed_ = false;
};

// Paces a progress bar from 0 to 7000 in single steps.
void run_progress(ProgressBar& bar);

}  // namespace presslane
