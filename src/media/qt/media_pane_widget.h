#pragma once

#include <memory>

#include <QObject>

#include "common/qt/combo_items.h"
#include "common/qt/widget_control_set.h"
#include "media/media_pane_controller.h"

class QComboBox;
class QFrame;

namespace presslane {

class ClickLabel;
class MediaControlsWidget;
class MpvPlayer;

// Fills the main window's media pane (Frame8) with the player, its control strip, the my-radio
// list and the pane's buttons, registers them by name in the main window's controls and, once
// connected, forwards their events to the MediaPaneController. Keys that reach the pane go to the
// strip, and a right click on the pane (not on the player, whose right click shows the clip
// information) opens the strip's commands.
//
// Dragging the pane is a manual drag: a left press on the player starts it, and the release drops
// the pane on whatever widget lies under the pointer, the pane itself or the main browser.
class MediaPaneWidget : public QObject, public MediaPaneController::Drag {
    Q_OBJECT
public:
    MediaPaneWidget(QFrame* frame8, WidgetControlSet& controls);
    ~MediaPaneWidget() override;

    // main_browser: the widget of WebBrowser1, the other place the pane may be dropped on.
    void connect_to(MediaPaneController& controller, QWidget& main_browser);

    MpvPlayer& player() { return *player_; }
    ComboItems& Combo2_items() { return *items_; }
    MediaControlsWidget& strip() { return *strip_; }

    // The manual drag of the pane.
    void begin_drag() override;
    void end_drag() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(WidgetControlSet& controls);
    void show_pane_menu(const QPoint& at);

    QFrame* pane_;
    MpvPlayer* player_ = nullptr;
    MediaControlsWidget* strip_ = nullptr;
    QComboBox* combo2_ = nullptr;
    // Picture19, Picture18, Image5.
    ClickLabel* buttons_[3] = {};
    std::unique_ptr<ComboItems> items_;
    MediaPaneController* controller_ = nullptr;  // set by connect_to
    QWidget* main_browser_ = nullptr;            // set by connect_to
    bool dragging_ = false;
};

}  // namespace presslane
