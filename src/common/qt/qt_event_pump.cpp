#include "common/qt/qt_event_pump.h"

#include <cmath>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace presslane {

void QtEventPump::process_pending() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventPump::wait_for_events(double max_seconds) {
    if (max_seconds <= 0) return;
    // A timer bounds the sleep: WaitForMoreEvents returns once it has handled at least one event,
    // and the timer's own tick counts as one.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.start(static_cast<int>(std::ceil(max_seconds * 1000.0)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace presslane
