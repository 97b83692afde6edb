#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QDialog>

#include "common/qt/check_box_control.h"
#include "common/qt/combo_items.h"
#include "common/qt/widget_control_set.h"
#include "settings/settings_controller.h"

namespace presslane {

class AutoStart;
class Browser;
class Control;
class Dialogs;
class EventPump;
class Screen;

// The settings dialog on Qt: builds the controls of Form3, each named after its control, and
// forwards their events to the SettingsController. Every route that closes it (OK, Cancel,
// the close box, Escape) runs the controller's Form_Unload once. Built anew for every opening.
class Form3 : public QDialog {
    Q_OBJECT
public:
    struct Context {
        Dialogs& dialogs;
        EventPump& pump;
        Screen& screen;
        AutoStart& auto_start;
        const Browser& main_browser;  // WebBrowser1 of the main window
        Control& main_window;         // "Form1" of the main window's controls
        std::filesystem::path app_folder;
        std::string program_path;  // the running program, as the start-up entry starts it
    };

    // Builds the controls and runs Form_Load.
    explicit Form3(Context context, QWidget* parent = nullptr);
    ~Form3() override;

    void done(int result) override;

    // Opens the dialog modally and returns when it has closed.
    static void open(Context context, QWidget* parent);

private:
    WidgetControlSet controls_;
    std::unique_ptr<ComboItems> combo1_items_;
    std::unique_ptr<CheckBoxControl> check1_;
    std::unique_ptr<CheckBoxControl> check2_;
    std::unique_ptr<SettingsController> controller_;
};

}  // namespace presslane
