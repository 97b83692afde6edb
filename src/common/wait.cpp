#include "common/wait.h"

#include "common/clock.h"
#include "common/event_pump.h"

namespace presslane {

void wait_seconds(float seconds, EventPump& pump, const Clock& clock) {
    constexpr float kDay = 86400.0f;
    float start = clock.seconds_since_midnight();
    for (;;) {
        const float now = clock.seconds_since_midnight();
        if (now < start) start -= kDay;
        const float elapsed = now - start;
        pump.process_pending();
        if (elapsed > seconds) return;
        // Handlers run inside process_pending may have taken a while; sleep only for what is left.
        // The extra millisecond makes the next check land past the deadline, not on it.
        pump.wait_for_events(static_cast<double>(seconds - elapsed) + 0.001);
    }
}

}  // namespace presslane
