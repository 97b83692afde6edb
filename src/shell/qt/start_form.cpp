#include "shell/qt/start_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>

#include "common/qt/widget_control.h"
#include "shell/texts.h"

namespace presslane {
namespace {

QPixmap draw_logo(int w, int h) {
    QPixmap logo(w, h);
    logo.fill(QColor(61, 74, 108));
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255), 3));
    // A folded newspaper: a page with lines of text and a headline bar.
    const QRect page(w / 2 - 34, h / 2 - 26, 68, 52);
    p.setBrush(QColor(245, 245, 240));
    p.drawRoundedRect(page, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(page.left() + 8, page.top() + 8, page.width() - 16, 8);
    p.setBrush(QColor(120, 120, 120));
    for (int i = 0; i < 4; ++i) p.drawRect(page.left() + 8, page.top() + 22 + i * 6, 52, 2);
    return logo;
}

}  // namespace

StartForm::StartForm(EventPump& pump, const Clock& clock, SplashController::Hooks hooks)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      progress_(new QProgressBar(this)),
      progress_port_(progress_),
      splash_(progress_port_, pump, clock,
              {std::move(hooks.load_main), std::move(hooks.show_main),
               [this, close = std::move(hooks.close_splash)] {
                   if (close) close();
                   close_and_destroy();
               }}) {
    setObjectName("start_form");
    setWindowTitle(" ");
    setFixedSize(px(7425), px(4185));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(pal);

    auto* logo = new QLabel(this);
    logo->setObjectName("imgLogo");
    logo->setGeometry(px(240), px(240), px(1500), px(1200));
    logo->setPixmap(draw_logo(logo->width(), logo->height()));

    auto* name = new QLabel("프레스레인", this);
    name->setObjectName("lblProductName");
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    name->setGeometry(px(1920), px(240), px(5200), px(600));

    auto* label1 = new QLabel("손가락 하나로 모든 신문을 ~", this);
    label1->setObjectName("Label1");
    label1->setGeometry(px(1920), px(840), px(5200), px(300));
    auto* label2 = new QLabel(
        "프레스레인 많이 알려주시구요.. 신문과 방송을 이제 편리하게 손가락 하나로 검색하세요",
        this);
    label2->setObjectName("Label2");
    label2->setWordWrap(true);
    label2->setGeometry(px(1920), px(1140), px(5280), px(480));

    auto* text2 = new QLineEdit("프레스레인 로딩중입니다..", this);
    text2->setObjectName("Text2");
    text2->setReadOnly(true);
    text2->setGeometry(px(240), px(1680), px(6945), px(300));

    progress_->setObjectName("ProgressBar1");
    progress_->setTextVisible(false);
    progress_->setGeometry(px(240), px(2040), px(6945), px(240));

    auto* text1 = new QPlainTextEdit(QString::fromUtf8(texts::kThanks).replace("\r\n", "\n"), this);
    text1->setObjectName("Text1");
    text1->setReadOnly(true);
    text1->setGeometry(px(240), px(2400), px(6945), px(1080));

    auto* freeware = new QLabel(texts::kFreewareNotice, this);
    freeware->setGeometry(px(240), px(3570), px(6945), px(240));
    auto* design = new QLabel(texts::kDesignNotice, this);
    design->setGeometry(px(240), px(3840), px(6945), px(240));

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }

    timer1_.setInterval(5000);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, [this] { splash_.Timer1_Timer(); });
    timer1_.start();
}

void StartForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !splash_.closed()) {
        // The routine runs from the event loop, not inside this handler, so the activation event
        // finishes before the routine's nested waits begin.
        QTimer::singleShot(0, this, [this] { activate(); });
        emit activated();
    }
}

void StartForm::activate() {
    ++activations_running_;
    splash_.Form_Activate();
    --activations_running_;
    if (closed_ && activations_running_ == 0) deleteLater();
}

void StartForm::close_and_destroy() {
    timer1_.stop();
    hide();
    closed_ = true;
    if (activations_running_ == 0) deleteLater();
}

}  // namespace presslane
