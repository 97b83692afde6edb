#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <QObject>

#include "common/qt/widget_control_set.h"
#include "filedown/qt/qt_inet.h"
#include "media/media_pane.h"
#include "common/qt/combo_items.h"

class QComboBox;
class QFrame;

namespace presslane {

class Clock;
class Dialogs;
class EventPump;
class MediaControlsWidget;
class MpvPlayer;
class WebBrowser;

// Fills the main window's media pane (Frame8) with the player, its control strip, the my-radio
// list and the pane's buttons, registers them by name in the main window's controls and forwards
// their events to the MediaPane controller. It also wires the bottom bar's Image4 and Image3, and
// opens Form10. Keys that reach the pane go to the strip, and a right click on the pane (not on
// the player, whose right click shows the clip information) opens the strip's commands.
//
// Dragging the pane is a manual drag: a left press on the player starts it, and the release drops
// the pane on whatever widget lies under the pointer, the pane itself or the main browser.
class MediaPaneWidget : public QObject {
    Q_OBJECT
public:
    struct Context {
        Dialogs& dialogs;
        EventPump& pump;
        Clock& clock;
        WebBrowser& main_browser;
        std::filesystem::path app_folder;
        std::function<std::string()> view_mode;
        std::function<void()> open_settings;  // the settings dialog, modal
    };

    MediaPaneWidget(QFrame* frame8, WidgetControlSet& controls, Context context);
    ~MediaPaneWidget() override;

    MediaPane& controller() { return *controller_; }
    MpvPlayer& player() { return *player_; }
    MediaControlsWidget& strip() { return *strip_; }
    // Shows the media settings window modally.
    void open_media_settings();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(WidgetControlSet& controls);
    void show_pane_menu(const QPoint& at);
    void connect_click(const ControlSet& controls, const char* name, void (MediaPane::*handler)());
    void end_drag();

    QFrame* pane_;
    Context context_;
    const ControlSet& controls_;
    MpvPlayer* player_ = nullptr;
    MediaControlsWidget* strip_ = nullptr;
    QComboBox* combo2_ = nullptr;
    std::unique_ptr<ComboItems> items_;
    QtInet inet_;
    std::unique_ptr<MediaPane> controller_;
    bool dragging_ = false;
};

}  // namespace presslane
