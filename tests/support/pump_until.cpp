#include "support/pump_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

namespace presslane {

bool pump_until(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QTest::qWait(10);
    }
    return true;
}

}  // namespace presslane
