#include "common/qt/qt_clock.h"

#include <QDate>
#include <QTime>

namespace presslane {

QtClock::QtClock()
    : locale_(QLocale::system()), time_format_(locale_.timeFormat(QLocale::ShortFormat)) {
    // The short format carries no seconds in most locales; the clock ticks every second.
    if (!time_format_.contains('s')) time_format_.replace("mm", "mm:ss");
}

float QtClock::seconds_since_midnight() const {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

std::string QtClock::date_text() const {
    return locale_.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtClock::time_text() const {
    return locale_.toString(QTime::currentTime(), time_format_).toStdString();
}

}  // namespace presslane
