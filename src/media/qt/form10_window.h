#pragma once

#include <filesystem>
#include <memory>

#include <QDialog>

#include "common/qt/widget_control_set.h"
#include "media/form10.h"
#include "common/qt/combo_items.h"

class QComboBox;

namespace presslane {

class Clock;
class Dialogs;
class EventPump;
class MediaPlayer;
class WebBrowser;

// The media settings window (Form10) on Qt: builds its controls, named after the control names,
// and forwards their events to the Form10 controller. Created on opening, released on closing.
class Form10Window : public QDialog {
    Q_OBJECT
public:
    struct Context {
        Dialogs& dialogs;
        EventPump& pump;
        Clock& clock;
        WebBrowser& main_browser;
        MediaPlayer& player;
        const ControlSet& main_controls;
        std::filesystem::path app_folder;
    };

    Form10Window(Context context, QWidget* parent);
    ~Form10Window() override;

    Form10& controller() { return *controller_; }
    const ControlSet& controls() const { return controls_; }
    // Form_Load, then shown modally until its close box is pressed.
    int run();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    WidgetControlSet controls_;
    QComboBox* combo1_ = nullptr;
    std::unique_ptr<ComboItems> items_;
    WebBrowser* board1_ = nullptr;
    WebBrowser* board2_ = nullptr;
    std::unique_ptr<Form10> controller_;
};

}  // namespace presslane
