#include "filedown/qt/qt_sliced_event_pump.h"

namespace presslane {

// Nothing of this object is touched once events have run: a host may close its window in one of
// them and destroy the control, and this pump with it.

void QtSlicedEventPump::process_pending() {
    if (since_last_run_.isValid() && since_last_run_.elapsed() < kSliceMs) return;
    since_last_run_.start();
    loop_.process_pending();
}

void QtSlicedEventPump::wait_for_events(double max_seconds) {
    since_last_run_.start();
    loop_.wait_for_events(max_seconds);
}

}  // namespace presslane
