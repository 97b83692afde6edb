#include "shell/qt/form9.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "common/qt/widget_control.h"

namespace presslane {
Form9::Form9(EventPump& pump, const Clock& clock, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      progress_(new QProgressBar(this)),
      progress_port_(progress_),
      controller_(progress_port_, pump, clock, [this] { accept(); }) {
    setObjectName("Form9");
    setFixedSize(px(6180), px(810));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(61, 74, 108));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    progress_->setObjectName("ProgressBar1");
    progress_->setTextVisible(false);
    progress_->setGeometry(px(120), px(120), px(5950), px(255));
    auto* label =
        new QLabel("신문사 정보를 실시간으로 수집하고 있습니다... 잠시만 기다려 주십시요.", this);
    label->setObjectName("Label1");
    label->setGeometry(px(120), px(480), px(5880), px(240));
    if (owner) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
}

void Form9::show_modal(EventPump& pump, const Clock& clock, QWidget* owner) {
    Form9 form(pump, clock, owner);
    form.exec();
}

void Form9::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(kActivationGraceMs, this, [this] { controller_.activation_overdue(); });
}

void Form9::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        QTimer::singleShot(0, this, [this] { controller_.Form_Activate(); });
    }
}

}  // namespace presslane
