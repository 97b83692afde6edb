#include "media/qt/media_pane_widget.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>

#include "browse/qt/web_browser.h"
#include "common/control_set.h"
#include "common/endpoints.h"
#include "common/qt/click_label.h"
#include "media/qt/form10_window.h"
#include "media/qt/media_controls_widget.h"
#include "media/qt/mpv_player.h"

namespace presslane {
MediaPaneWidget::MediaPaneWidget(QFrame* frame8, WidgetControlSet& controls, Context context)
    : QObject(frame8), pane_(frame8), context_(std::move(context)), controls_(controls) {
    build(controls);
    MediaPane::Hooks hooks{context_.view_mode,
                           [this] {
                               dragging_ = true;
                               player_->setCursor(Qt::DragMoveCursor);
                           },
                           [this] { end_drag(); }, [this] { open_media_settings(); },
                           context_.open_settings};
    controller_ = std::make_unique<MediaPane>(
        controls_,
        MediaPane::Ports{context_.dialogs, context_.pump, inet_, *player_, *items_,
                         context_.main_browser},
        context_.app_folder,
        MediaPane::Addresses{endpoints::verified_radio_list(), endpoints::radio_guide()},
        std::move(hooks));

    player_->on_mouse_down = [this](int b, int s, float x, float y) {
        controller_->MediaPlayer1_MouseDown(b, s, x, y);
    };
    player_->on_mouse_up = [this](int b, int s, float x, float y) {
        controller_->MediaPlayer1_MouseUp(b, s, x, y);
    };
    player_->on_dbl_click = [this](int, int, float, float) {
        controller_->MediaPlayer1_DblClick();
    };
    connect(combo2_, &QComboBox::activated, this, [this] { controller_->Combo2_Click(); });
    connect_click(controls_, "Picture19", &MediaPane::Picture19_Click);
    connect_click(controls_, "Picture18", &MediaPane::Picture18_Click);
    connect_click(controls_, "Image5", &MediaPane::Image5_Click);
    connect_click(controls_, "Image4", &MediaPane::Image4_Click);
    connect_click(controls_, "Image3", &MediaPane::Image3_Click);
    pane_->installEventFilter(this);
    pane_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { show_pane_menu(at); });
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
    for (const auto& b : buttons) {
        auto* label = new ClickLabel(b.text, pane_);
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

void MediaPaneWidget::connect_click(const ControlSet& controls, const char* name,
                                    void (MediaPane::*handler)()) {
    auto* port = static_cast<WidgetControl*>(controls.find(name));
    auto* label = port ? qobject_cast<ClickLabel*>(port->widget()) : nullptr;
    if (!label) return;
    connect(label, &ClickLabel::clicked, this, [this, handler] { ((*controller_).*handler)(); });
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
    } else if (QWidget* browser = &context_.main_browser;
               target == browser || browser->isAncestorOf(target)) {
        const auto [x, y] = twips(browser->mapFromGlobal(at));
        controller_->WebBrowser1_DragDrop(x, y);
    }
}

void MediaPaneWidget::open_media_settings() {
    Form10Window window(
        Form10Window::Context{context_.dialogs, context_.pump, context_.clock,
                              context_.main_browser, *player_, *controls_.find("Frame8"),
                              *controls_.find("Label26"), context_.app_folder},
        pane_->window());
    window.run();
}

}  // namespace presslane
