#pragma once

#include "common/clock.h"

namespace presslane {

// The local wall clock, formatted the way the user's locale formats dates and times.
class QtClock : public Clock {
public:
    float seconds_since_midnight() const override;
    std::string date_text() const override;
    std::string time_text() const override;
};

}  // namespace presslane
