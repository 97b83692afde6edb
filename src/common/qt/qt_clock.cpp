#include "common/qt/qt_clock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace presslane {

float QtClock::seconds_since_midnight() const {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

std::string QtClock::date_text() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtClock::time_text() const {
    // The short format carries no seconds in most locales; the clock ticks every second.
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains('s')) format.replace("mm", "mm:ss");
    return locale.toString(QTime::currentTime(), format).toStdString();
}

}  // namespace presslane
