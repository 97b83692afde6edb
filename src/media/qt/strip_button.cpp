#include "media/qt/strip_button.h"

#include <QPainter>
#include <QPainterPath>

namespace presslane {

StripButton::StripButton(Sign sign, QWidget* parent) : QAbstractButton(parent), sign_(sign) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void StripButton::set_sign(Sign sign) {
    if (sign == sign_) return;
    sign_ = sign;
    update();
}

void StripButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void StripButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void StripButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QColor fill(61, 74, 108);
    if (isDown()) {
        fill = QColor(42, 52, 78);
    } else if (hovered_ && isEnabled()) {
        fill = QColor(74, 90, 130);
    }
    p.fillRect(rect(), fill);
    draw_sign(p, isEnabled() ? QColor(Qt::white) : QColor(125, 132, 150));
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QColor(255, 200, 60));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void StripButton::draw_sign(QPainter& p, const QColor& ink) const {
    // The signs are drawn about the middle pixel, so that a sign can be told by that pixel: the
    // play triangle covers it, the pause sign leaves a gap there.
    const int cx = width() / 2;
    const int cy = height() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    switch (sign_) {
        case Sign::Play: {
            p.setRenderHint(QPainter::Antialiasing);
            QPainterPath path;
            path.moveTo(cx - 4, cy - 6);
            path.lineTo(cx + 6, cy + 0.5);
            path.lineTo(cx - 4, cy + 7);
            path.closeSubpath();
            p.drawPath(path);
            break;
        }
        case Sign::Pause:
            p.drawRect(cx - 5, cy - 5, 4, 11);
            p.drawRect(cx + 2, cy - 5, 4, 11);
            break;
        case Sign::Stop:
            p.drawRect(cx - 5, cy - 5, 11, 11);
            break;
        case Sign::Sound:
        case Sign::Muted: {
            p.setRenderHint(QPainter::Antialiasing);
            QPainterPath speaker;
            speaker.moveTo(cx - 7, cy - 2);
            speaker.lineTo(cx - 4, cy - 2);
            speaker.lineTo(cx, cy - 6);
            speaker.lineTo(cx, cy + 7);
            speaker.lineTo(cx - 4, cy + 3);
            speaker.lineTo(cx - 7, cy + 3);
            speaker.closeSubpath();
            p.drawPath(speaker);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
            if (sign_ == Sign::Sound) {
                p.drawArc(QRectF(cx - 3, cy - 4, 7, 9), -50 * 16, 100 * 16);
                p.drawArc(QRectF(cx - 3, cy - 7, 11, 15), -50 * 16, 100 * 16);
            } else {
                p.drawLine(QPointF(cx + 2, cy - 3), QPointF(cx + 7, cy + 4));
                p.drawLine(QPointF(cx + 7, cy - 3), QPointF(cx + 2, cy + 4));
            }
            break;
        }
    }
}

}  // namespace presslane
