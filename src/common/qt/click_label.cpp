#include "common/qt/click_label.h"

#include <QMouseEvent>

namespace presslane {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

}  // namespace presslane
