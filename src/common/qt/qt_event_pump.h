#pragma once

#include "common/event_pump.h"

namespace presslane {

// The UI thread's event loop.
class QtEventPump : public EventPump {
public:
    void process_pending() override;
    void wait_for_events(double max_seconds) override;
};

}  // namespace presslane
