#pragma once

namespace presslane {

class Clock;
class EventPump;

// Waits more than the given number of seconds while letting window events run: it returns on the
// first check at which more than that many seconds have passed. Between checks it sleeps in the
// event loop until the deadline or the next event, so the processor stays idle. A wait that spans
// midnight moves its start back by a day and returns after the requested time, not after a day.
void wait_seconds(float seconds, EventPump& pump, const Clock& clock);

}  // namespace presslane
