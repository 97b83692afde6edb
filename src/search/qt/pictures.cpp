#include "search/qt/pictures.h"

#include <array>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace presslane {
namespace {

// Tiles take these colours in turn, so neighbouring logos stay apart.
constexpr std::array<QRgb, 6> kTileColours = {0xff2e7d32, 0xff1565c0, 0xffc62828,
                                              0xff6a1b9a, 0xffef6c00, 0xff00838f};

// A smoothed drawing on a transparent ground.
template <typename Draw>
QPixmap drawing(QSize size, Draw draw) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

// A disc of `fill` within `bounds`, outlined with `pen`, which stays for what is drawn next.
void disc(QPainter& p, const QRectF& bounds, const QPen& pen, QRgb fill) {
    p.setPen(pen);
    p.setBrush(QColor(fill));
    p.drawEllipse(bounds);
}

}  // namespace

QPixmap name_tile(const QString& name, int index, QSize size) {
    return drawing(size, [&](QPainter& p) {
        const QColor colour(kTileColours[static_cast<std::size_t>(index) % kTileColours.size()]);
        QLinearGradient fill(0, 0, 0, size.height());
        fill.setColorAt(0, colour.lighter(130));
        fill.setColorAt(1, colour);
        p.setPen(QPen(colour.darker(130), 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(name.size() > 5 ? 11 : 13);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, name);
    });
}

QPixmap magnifier_picture(int side) {
    return drawing({side, side}, [&](QPainter& p) {
        const qreal r = side * 0.3;
        const QPointF centre(side * 0.4, side * 0.4);
        disc(p, QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)),
             QPen(QColor(0x1565c0), side * 0.1, Qt::SolidLine, Qt::RoundCap), 0xffe3f2fd);
        p.drawLine(centre + QPointF(r * 0.72, r * 0.72), QPointF(side * 0.9, side * 0.9));
    });
}

QPixmap envelope_picture(int side) {
    return drawing({side, side}, [&](QPainter& p) {
        const QRectF body(side * 0.08, side * 0.22, side * 0.84, side * 0.56);
        p.setPen(QPen(QColor(0xc62828), side * 0.06));
        p.setBrush(QColor(0xfff8e1));
        p.drawRect(body);
        QPainterPath flap;
        flap.moveTo(body.topLeft());
        flap.lineTo(body.center().x(), body.top() + body.height() * 0.55);
        flap.lineTo(body.topRight());
        p.setBrush(Qt::NoBrush);
        p.drawPath(flap);
    });
}

QPixmap key_picture(int side) {
    return drawing({side, side}, [&](QPainter& p) {
        p.setPen(QPen(QColor(0xef6c00), side * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const qreal r = side * 0.2;
        const QPointF ring(side * 0.3, side * 0.5);
        p.drawEllipse(ring, r, r);
        p.drawLine(QPointF(ring.x() + r, ring.y()), QPointF(side * 0.9, ring.y()));
        p.drawLine(QPointF(side * 0.75, ring.y()), QPointF(side * 0.75, ring.y() + r));
    });
}

QPixmap globe_picture(int side) {
    return drawing({side, side}, [&](QPainter& p) {
        const QRectF ball(side * 0.1, side * 0.1, side * 0.8, side * 0.8);
        disc(p, ball, QPen(QColor(0x2e7d32), side * 0.06), 0xffe8f5e9);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ball.adjusted(side * 0.22, 0, -side * 0.22, 0));
        p.drawLine(QPointF(ball.left(), ball.center().y()),
                   QPointF(ball.right(), ball.center().y()));
    });
}

QPixmap ribbon_picture(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient fill(0, 0, size.width(), 0);
    for (std::size_t i = 0; i < kTileColours.size(); ++i)
        fill.setColorAt(static_cast<qreal>(i) / (kTileColours.size() - 1), QColor(kTileColours[i]));
    p.fillRect(pixmap.rect(), fill);
    return pixmap;
}

}  // namespace presslane
