#pragma once

namespace presslane {

// Lets pending window events run. Every handler that "lets events run" calls process_pending;
// timers, browser events, tray notifications and user input may all be handled inside it, so the
// caller must expect its own state to have changed when it returns.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Runs every event that is already queued, then returns without blocking.
    virtual void process_pending() = 0;
    // Blocks until at least one event has been handled or max_seconds have passed, whichever comes
    // first. Used by waits so that they sleep instead of spinning the processor.
    virtual void wait_for_events(double max_seconds) = 0;
};

}  // namespace presslane
