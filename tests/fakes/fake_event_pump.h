#pragma once

#include <functional>

#include "common/event_pump.h"
#include "fake_clock.h"

namespace presslane {

// An event loop in which time passes only while it waits: each wait_for_events moves the clock by
// the time asked for, capped at `step` (as if an event arrived then), and runs `on_event`.
class FakeEventPump : public EventPump {
public:
    explicit FakeEventPump(FakeClock& clock, double step = 0.25) : clock_(clock), step_(step) {}
    void process_pending() override {
        ++pending_runs;
        if (on_event) on_event();
    }
    void wait_for_events(double max_seconds) override {
        ++waits;
        waited += max_seconds < step_ ? max_seconds : step_;
        clock_.advance(max_seconds < step_ ? max_seconds : step_);
    }

    int pending_runs = 0;
    int waits = 0;
    double waited = 0;
    std::function<void()> on_event;

private:
    FakeClock& clock_;
    double step_;
};

}  // namespace presslane
