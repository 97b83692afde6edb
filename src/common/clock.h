#pragma once

#include <string>

namespace presslane {

// The wall clock as the program sees it.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, in single precision; wraps to 0 at midnight.
    virtual float seconds_since_midnight() const = 0;
    // The day's date in the system's short date format (the date field of record files).
    virtual std::string date_text() const = 0;
    // The time of day as the system formats a time value (the main window's clock).
    virtual std::string time_text() const = 0;
};

}  // namespace presslane
