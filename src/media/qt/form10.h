#pragma once

#include <filesystem>
#include <memory>

#include <QDialog>

#include "common/qt/widget_control_set.h"
#include "media/media_settings_controller.h"
#include "common/qt/combo_items.h"
#include "common/qt/qt_screen.h"

class QComboBox;
class QGroupBox;

namespace presslane {

class Clock;
class Control;
class Dialogs;
class EventPump;
class MediaPlayer;
class WebBrowser;

// The media settings window (Form10) on Qt: builds its controls, named after the control names,
// and forwards their events to the Form10 controller. Created on opening, released on closing.
class Form10 : public QDialog {
    Q_OBJECT
public:
    struct Context {
        Dialogs& dialogs;
        EventPump& pump;
        Clock& clock;
        WebBrowser& main_browser;
        MediaPlayer& player;
        Control& frame8;   // the main window's media pane
        Control& label26;  // the main window's status label
        std::filesystem::path app_folder;
    };

    Form10(Context context, QWidget* parent);
    ~Form10() override;

    // Form_Load, then shown modally until its close box is pressed.
    int run();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    WidgetControlSet controls_;
    QComboBox* combo1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    std::unique_ptr<ComboItems> items_;
    QtScreen screen_;
    WebBrowser* board1_ = nullptr;
    WebBrowser* board2_ = nullptr;
    std::unique_ptr<MediaSettingsController> controller_;
};

}  // namespace presslane
