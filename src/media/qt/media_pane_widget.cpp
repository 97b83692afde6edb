#include "media/qt/media_pane_widget.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>

#include "common/qt/click_label.h"
#include "media/qt/media_controls_widget.h"
#include "media/qt/mpv_player.h"

namespace presslane {

MediaPaneWidget::MediaPaneWidget(QFrame* frame8, WidgetControlSet& controls)
    : QObject(frame8), pane_(frame8) {
    build(controls);
}

MediaPaneWidget::~MediaPaneWidget() {
    // In full screen the player is a window of its own and no longer a child of the pane.
    if (player_ && player_->isWindow()) delete player_;
}

void MediaPaneWidget::build(WidgetControlSet& controls) {
    // The pane is a little larger than its contents so that a drop can land on the pane itself.
    pane_->resize(px(2535), px(3240));
    player_ = new MpvPlayer(pane_);
    controls.add("MediaPlayer1", player_);
    player_->setToolTip("더블클릭 -> 전체화면");
    // A click gives the pane the keyboard; the right button keeps its clip information.
    player_->setFocusPolicy(Qt::ClickFocus);
    player_->setContextMenuPolicy(Qt::PreventContextMenu);
    place(player_, 90, 90, 2355, 1500);
    strip_ = new MediaControlsWidget(*player_, pane_);
    place(strip_, 90, 1620, 2355, 675);

    combo2_ = new QComboBox(pane_);
    combo2_->setEditable(true);
    combo2_->setInsertPolicy(QComboBox::NoInsert);
    combo2_->setEditText("my radio");
    controls.add("Combo2", combo2_);
    place(combo2_, 90, 2340, 2355, 345);
    items_ = std::make_unique<ComboItems>(combo2_);

    struct Button {
        const char* name;
        const char* text;
        const char* tooltip;
        int left, width;
    };
    const Button buttons[] = {{"Picture19", "설정", "나만의 미디어 설정하기", 90, 780},
                              {"Picture18", "편성표", "방송 편성표 보기", 900, 780},
                              {"Image5", "숨기기", "미디어 창 숨기기", 1710, 735}};
    for (int i = 0; i < 3; ++i) {
        const Button& b = buttons[i];
        auto* label = new ClickLabel(b.text, pane_);
        buttons_[i] = label;
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(b.tooltip);
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, QColor(61, 74, 108));
        pal.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(pal);
        controls.add(b.name, label);
        place(label, b.left, 2760, b.width, 390);
    }
}

void MediaPaneWidget::connect_to(MediaPaneController& controller, QWidget& main_browser) {
    controller_ = &controller;
    main_browser_ = &main_browser;
    player_->on_mouse_down = [&controller](int b, int s, float x, float y) {
        controller.MediaPlayer1_MouseDown(b, s, x, y);
    };
    player_->on_mouse_up = [&controller](int b, int s, float x, float y) {
        controller.MediaPlayer1_MouseUp(b, s, x, y);
    };
    player_->on_dbl_click = [&controller](int, int, float, float) {
        controller.MediaPlayer1_DblClick();
    };
    connect(combo2_, &QComboBox::activated, this, [&controller] { controller.Combo2_Click(); });
    connect(buttons_[0], &ClickLabel::clicked, this,
            [&controller] { controller.Picture19_Click(); });
    connect(buttons_[1], &ClickLabel::clicked, this,
            [&controller] { controller.Picture18_Click(); });
    connect(buttons_[2], &ClickLabel::clicked, this, [&controller] { controller.Image5_Click(); });
    pane_->installEventFilter(this);
    pane_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { show_pane_menu(at); });
}

bool MediaPaneWidget::eventFilter(QObject* watched, QEvent* event) {
    // Keys arrive here when the focused widget of the pane has no use for them.
    if (watched == pane_ && event->type() == QEvent::KeyPress) {
        return strip_->key_press(static_cast<QKeyEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}

void MediaPaneWidget::show_pane_menu(const QPoint& at) {
    QMenu menu(pane_);
    strip_->fill_menu(&menu);
    menu.exec(pane_->mapToGlobal(at));
}

void MediaPaneWidget::begin_drag() {
    dragging_ = true;
    player_->setCursor(Qt::DragMoveCursor);
}

void MediaPaneWidget::end_drag() {
    if (!dragging_) return;
    dragging_ = false;
    player_->unsetCursor();
    const QPoint at = QCursor::pos();
    QWidget* target = QApplication::widgetAt(at);
    if (!target) return;
    auto twips = [](const QPoint& p) {
        return std::pair<float, float>(static_cast<float>(WidgetControl::to_twips(p.x())),
                                       static_cast<float>(WidgetControl::to_twips(p.y())));
    };
    if (target == pane_) {
        const auto [x, y] = twips(pane_->mapFromGlobal(at));
        controller_->Frame8_DragDrop(x, y);
    } else if (target == main_browser_ || main_browser_->isAncestorOf(target)) {
        const auto [x, y] = twips(main_browser_->mapFromGlobal(at));
        controller_->WebBrowser1_DragDrop(x, y);
    }
}

}  // namespace presslane
