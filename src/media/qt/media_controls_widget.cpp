#include "media/qt/media_controls_widget.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QSlider>

#include "media/qt/strip_button.h"

namespace presslane {
namespace {

// Pixels of the strip: the title row, then the row of buttons and the slider.
constexpr int kTitleHeight = 20;
constexpr int kRowTop = 22;
constexpr int kButton = 23;
constexpr int kGap = 2;

}  // namespace

MediaControlsWidget::MediaControlsWidget(MediaPlayer& player, QWidget* parent)
    : QWidget(parent), controls_(player) {
    setObjectName("MediaControls");
    title_ = new QLabel(this);
    title_->setObjectName("MediaTitle");
    QPalette pal = title_->palette();
    pal.setColor(QPalette::WindowText, QColor(235, 238, 245));
    title_->setPalette(pal);
    title_->setTextFormat(Qt::PlainText);

    play_ = new StripButton(StripButton::Sign::Play, this);
    play_->setObjectName("MediaPlay");
    stop_ = new StripButton(StripButton::Sign::Stop, this);
    stop_->setObjectName("MediaStop");
    stop_->setAccessibleName("정지");
    mute_ = new StripButton(StripButton::Sign::Sound, this);
    mute_->setObjectName("MediaMute");
    volume_ = new QSlider(Qt::Horizontal, this);
    volume_->setObjectName("MediaVolume");
    volume_->setAccessibleName("음량");
    volume_->setRange(0, 100);
    volume_->setSingleStep(MediaControls::kVolumeStep);
    volume_->setPageStep(2 * MediaControls::kVolumeStep);
    volume_->setFocusPolicy(Qt::StrongFocus);
    volume_->setCursor(Qt::PointingHandCursor);
    volume_->setStyleSheet(
        "QSlider::groove:horizontal { height: 4px; background: rgb(61, 74, 108); }"
        "QSlider::sub-page:horizontal { background: rgb(150, 170, 220); }"
        "QSlider::handle:horizontal { width: 8px; margin: -6px 0; background: white; }"
        "QSlider:focus { border: 1px solid rgb(255, 200, 60); }");

    connect(play_, &QAbstractButton::clicked, this,
            [this] { controls_.run(MediaControls::Command::PlayPause); });
    connect(stop_, &QAbstractButton::clicked, this,
            [this] { controls_.run(MediaControls::Command::Stop); });
    connect(mute_, &QAbstractButton::clicked, this,
            [this] { controls_.run(MediaControls::Command::Mute); });
    connect(volume_, &QSlider::valueChanged, this, [this](int v) { controls_.set_volume(v); });
    controls_.on_change = [this] { show_view(); };
    show_view();
}

void MediaControlsWidget::resizeEvent(QResizeEvent*) {
    const int w = width();
    title_->setGeometry(2, 0, w - 4, kTitleHeight);
    play_->setGeometry(0, kRowTop, kButton, kButton);
    stop_->setGeometry(kButton + kGap, kRowTop, kButton, kButton);
    mute_->setGeometry(2 * (kButton + kGap), kRowTop, kButton, kButton);
    const int slider_left = 3 * (kButton + kGap) + 4;
    volume_->setGeometry(slider_left, kRowTop, w - slider_left, kButton);
    show_view();
}

void MediaControlsWidget::show_view() {
    const MediaControls::View v = controls_.view();
    const QString title = QString::fromStdString(v.title);
    title_->setText(title_->fontMetrics().elidedText(title, Qt::ElideRight, title_->width()));
    // The whole line, also when the row is too short for it.
    title_->setToolTip(title);
    title_->setAccessibleName(title);
    play_->set_sign(v.playing ? StripButton::Sign::Pause : StripButton::Sign::Play);
    play_->setEnabled(v.playing || v.can_play);
    play_->setToolTip(QString::fromStdString(v.play_tooltip));
    play_->setAccessibleName(v.playing ? "일시정지" : "재생");
    stop_->setEnabled(v.can_stop);
    stop_->setToolTip(QString::fromStdString(v.stop_tooltip));
    mute_->set_sign(v.muted ? StripButton::Sign::Muted : StripButton::Sign::Sound);
    mute_->setToolTip(QString::fromStdString(v.mute_tooltip));
    mute_->setAccessibleName(v.muted ? "소리 켜기" : "소리 끄기");
    const QSignalBlocker quiet(volume_);
    volume_->setValue(v.volume);
    volume_->setToolTip(QString::fromStdString(v.volume_tooltip));
}

void MediaControlsWidget::fill_menu(QMenu* menu) {
    menu->clear();
    for (const MediaControls::MenuItem& item : controls_.menu()) {
        QAction* action = menu->addAction(QString::fromStdString(item.caption));
        action->setEnabled(item.enabled);
        connect(action, &QAction::triggered, this,
                [this, command = item.command] { controls_.run(command); });
    }
}

bool MediaControlsWidget::key_press(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString name = QKeySequence(event->key()).toString(QKeySequence::PortableText);
    return controls_.key_press(name.toStdString());
}

}  // namespace presslane
