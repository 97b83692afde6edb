#pragma once

#include <QElapsedTimer>

#include "common/qt/qt_event_pump.h"

namespace presslane {

// The download control's event loop. Its copy loop lets window events run after every 1024-byte
// chunk, tens of thousands of times a second, and one round of the event loop costs far more than
// copying a chunk. Here a round runs at most once per time slice: shorter than a screen frame, so
// the host's window still repaints and its cancel button still stops the download within a few
// chunks. Waits are passed on as they are.
class QtSlicedEventPump : public EventPump {
public:
    static constexpr int kSliceMs = 10;

    void process_pending() override;
    void wait_for_events(double max_seconds) override;

private:
    QtEventPump loop_;
    QElapsedTimer since_last_run_;
};

}  // namespace presslane
