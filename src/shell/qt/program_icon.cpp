#include "shell/qt/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace presslane {
namespace {

QPixmap draw(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // The page, its corner folded.
    QPainterPath page;
    page.moveTo(s * 0.08, s * 0.06);
    page.lineTo(s * 0.72, s * 0.06);
    page.lineTo(s * 0.92, s * 0.26);
    page.lineTo(s * 0.92, s * 0.94);
    page.lineTo(s * 0.08, s * 0.94);
    page.closeSubpath();
    p.fillPath(page, QColor(61, 74, 108));
    QPainterPath fold;
    fold.moveTo(s * 0.72, s * 0.06);
    fold.lineTo(s * 0.72, s * 0.26);
    fold.lineTo(s * 0.92, s * 0.26);
    fold.closeSubpath();
    p.fillPath(fold, QColor(150, 165, 205));
    // Column lines under the headline letter.
    p.setPen(QPen(QColor(200, 210, 235), qMax<qreal>(1.0, s / 24)));
    for (int i = 0; i < 3; ++i) {
        const qreal y = s * (0.70 + i * 0.08);
        p.drawLine(QPointF(s * 0.18, y), QPointF(s * 0.82, y));
    }
    QFont font("Noto Sans CJK KR");
    font.setPixelSize(qMax(6, static_cast<int>(s * 0.46)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(s * 0.08, s * 0.10, s * 0.70, s * 0.54), Qt::AlignCenter, "프");
    return pixmap;
}

}  // namespace

QIcon program_icon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 22, 24, 32, 48, 64}) i.addPixmap(draw(size));
        return i;
    }();
    return icon;
}

}  // namespace presslane
