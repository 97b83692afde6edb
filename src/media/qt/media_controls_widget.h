#pragma once

#include <QWidget>

#include "media/media_controls.h"

class QKeyEvent;
class QLabel;
class QMenu;
class QSlider;

namespace presslane {

class StripButton;

// The player's control strip in the media pane: the now-playing line above play or pause, stop,
// mute and the volume slider. It shows what the MediaControls controller says and forwards the
// buttons, the slider, the keys and the menu commands to it.
class MediaControlsWidget : public QWidget {
    Q_OBJECT
public:
    MediaControlsWidget(MediaPlayer& player, QWidget* parent);

    MediaControls& controller() { return controls_; }
    // Puts the strip's commands, as they stand now, into the menu in place of what it held.
    void fill_menu(QMenu* menu);
    // A key that reached the pane; true when it was one of the strip's.
    bool key_press(QKeyEvent* event);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void show_view();

    MediaControls controls_;
    QLabel* title_;
    StripButton* play_;
    StripButton* stop_;
    StripButton* mute_;
    QSlider* volume_;
};

}  // namespace presslane
