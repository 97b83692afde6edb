#include "settings/qt/help_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace presslane {
namespace {

const QColor kPaper(255, 252, 235);
const QColor kInk(40, 40, 40);
const QColor kAccent(30, 90, 170);
const QColor kField(255, 255, 255);
const QColor kButton(232, 232, 232);

// A small likeness of a push button.
void draw_button(QPainter& p, const QRect& r, const QString& text) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(kButton);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(kInk);
    p.drawText(r, Qt::AlignCenter, text);
}

// A small likeness of a text box holding an example.
void draw_field(QPainter& p, const QRect& r, const QString& text) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(kField);
    p.drawRect(r);
    p.setPen(QColor(90, 90, 90));
    p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

// The step's number in a disc, then its text wrapped beside it; returns the bottom of the text.
int draw_step(QPainter& p, int number, int top, int width, const QString& text) {
    const QRect disc(14, top, 20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(disc);
    p.setPen(Qt::white);
    p.drawText(disc, Qt::AlignCenter, QString::number(number));
    p.setPen(kInk);
    const QRect area(44, top, width - 58, 200);
    const QRect used = p.boundingRect(area, Qt::TextWordWrap, text);
    p.drawText(area, Qt::TextWordWrap, text);
    return used.bottom();
}

}  // namespace

HelpPicture::HelpPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HelpPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kPaper);
    p.setPen(QPen(kAccent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -2, -2));

    const int w = width();
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.25);
    p.setFont(title);
    p.setPen(kAccent);
    p.drawText(QRect(14, 12, w - 60, 28), Qt::AlignVCenter, "나만의 미디어 채널 만들기");
    p.setFont(font());
    p.setPen(QPen(kAccent, 1));
    p.drawLine(14, 44, w - 14, 44);

    int y = 56;
    y = draw_step(p, 1, y, w,
                  "아래쪽 막대의 [나만의 미디어] 단추를 누르거나, 메뉴의 "
                  "[미디어 - My 미디어 설정]을 엽니다.");
    draw_button(p, QRect(44, y + 8, 110, 24), "나만의 미디어");
    p.setPen(kInk);
    p.drawText(QRect(162, y + 8, 30, 24), Qt::AlignCenter, "또는");
    draw_button(p, QRect(196, y + 8, 170, 24), "미디어 - My 미디어 설정");
    y += 44;

    y = draw_step(p, 2, y, w,
                  "채널 이름과 그 방송의 주소(스트림 주소)를 입력하고 [미디어추가]를 누릅니다.");
    const int form_top = y + 8;
    p.setPen(kInk);
    p.drawText(QRect(44, form_top, 36, 22), Qt::AlignVCenter, "이름");
    draw_field(p, QRect(82, form_top, 190, 22), "SBS 파워FM");
    draw_button(p, QRect(282, form_top, 96, 22), "미디어추가");
    p.setPen(kInk);
    p.drawText(QRect(44, form_top + 30, 36, 22), Qt::AlignVCenter, "주소");
    draw_field(p, QRect(82, form_top + 30, 190, 22), "mms://radio.example.kr/fm");
    // An arrow from the filled form to the add button: the order in which they are used.
    p.setPen(QPen(kAccent, 2));
    p.drawLine(276, form_top + 41, 330, form_top + 41);
    p.drawLine(330, form_top + 41, 330, form_top + 26);
    QPainterPath head;
    head.moveTo(330, form_top + 23);
    head.lineTo(325, form_top + 31);
    head.lineTo(335, form_top + 31);
    head.closeSubpath();
    p.fillPath(head, kAccent);
    y = form_top + 62;

    y = draw_step(p, 3, y, w, "이 창의 [미디어 자동 실행]에서 그 채널을 고르고 [확인]을 누릅니다.");
    draw_field(p, QRect(44, y + 8, 190, 22), "SBS 파워FM");
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(kButton);
    const QRect drop(234, y + 8, 20, 22);
    p.drawRect(drop);
    p.setPen(kInk);
    p.drawText(drop, Qt::AlignCenter, "▼");
    draw_button(p, QRect(266, y + 8, 60, 22), "확인");
    y += 44;

    y = draw_step(p, 4, y, w,
                  "이제 프로그램을 시작할 때마다 고른 채널이 자동으로 재생됩니다. "
                  "자동 실행을 끄려면 채널 칸을 비우고 창을 닫으세요.");

    p.setPen(QColor(110, 110, 110));
    p.drawText(QRect(14, height() - 30, w - 28, 20), Qt::AlignRight | Qt::AlignVCenter,
               "방송 주소는 각 방송사 누리집에서 찾을 수 있습니다");
}

}  // namespace presslane
