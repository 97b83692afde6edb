#pragma once

#include <cmath>
#include <string>

#include "common/clock.h"

namespace presslane {

// A clock that moves only when told; its seconds wrap at midnight like the real one.
class FakeClock : public Clock {
public:
    float seconds_since_midnight() const override { return static_cast<float>(seconds); }
    std::string date_text() const override { return date; }
    std::string time_text() const override { return time; }
    void advance(double by) { seconds = std::fmod(seconds + by, 86400.0); }

    double seconds = 36000.0;
    std::string date = "2026-12-09";
    std::string time = "10:00:00";
};

}  // namespace presslane
