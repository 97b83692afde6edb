#include "filedown/qt/qt_sliced_event_pump.h"

namespace presslane {

void QtSlicedEventPump::process_pending() {
    if (since_last_run_.isValid() && since_last_run_.elapsed() < kSliceMs) return;
    loop_.process_pending();
    since_last_run_.start();
}

void QtSlicedEventPump::wait_for_events(double max_seconds) {
    loop_.wait_for_events(max_seconds);
    since_last_run_.start();
}

}  // namespace presslane
