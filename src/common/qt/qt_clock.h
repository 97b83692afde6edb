#pragma once

#include <QLocale>
#include <QString>

#include "common/clock.h"

namespace presslane {

// The local wall clock, formatted the way the user's locale formats dates and times. The locale
// and the time format are read once: the main window's clock asks for the time every second.
class QtClock : public Clock {
public:
    QtClock();

    float seconds_since_midnight() const override;
    std::string date_text() const override;
    std::string time_text() const override;

private:
    QLocale locale_;
    QString time_format_;
};

}  // namespace presslane
