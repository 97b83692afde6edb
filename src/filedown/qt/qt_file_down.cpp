#include "filedown/qt/qt_file_down.h"

#include <atomic>

#include <QPainter>

#include "common/qt/widget_control.h"
#include "filedown/qt/qt_inet.h"

namespace presslane {
namespace {

std::atomic<int> alive_controls{0};

}  // namespace

QtFileDown::QtFileDown(QWidget* parent)
    : QWidget(parent), control_(std::make_unique<FileDown>(std::make_unique<QtInet>(), pump_)) {
    setObjectName("FileDown");
    const int side = WidgetControl::to_pixels(FileDown::kFaceTwips);
    setFixedSize(side, side);
    ++alive_controls;
}

QtFileDown::~QtFileDown() { --alive_controls; }

int QtFileDown::instances() { return alive_controls; }

void QtFileDown::paintEvent(QPaintEvent*) {
    // A downward arrow into a tray: the sign of a download.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(240, 240, 240));
    p.setPen(QPen(QColor(40, 90, 160), 3));
    p.drawLine(16, 5, 16, 20);
    p.drawLine(10, 14, 16, 20);
    p.drawLine(22, 14, 16, 20);
    p.drawPolyline(QPolygon({QPoint(6, 20), QPoint(6, 26), QPoint(26, 26), QPoint(26, 20)}));
}

}  // namespace presslane
