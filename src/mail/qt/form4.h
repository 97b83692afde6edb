#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QDialog>

#include "common/qt/progress_bar_control.h"
#include "common/qt/widget_control_set.h"
#include "mail/mail_controller.h"

namespace presslane {

class Clock;
class Dialogs;
class EventPump;
class WebBrowser;
class WebLoadWatch;

// The article mail window on Qt: builds the controls of Form4, its own small browser, and
// forwards their events to the MailController. Every route that closes it runs the
// controller's Form_Unload once. Built anew for every opening.
class Form4 : public QDialog {
    Q_OBJECT
public:
    Form4(ArticleSource source, std::string mail_form, Dialogs& dialogs, EventPump& pump,
          const Clock& clock, const std::filesystem::path& app_folder, QWidget* parent = nullptr);
    ~Form4() override;

    void done(int result) override;

    // Opens the window modally and returns when it has closed.
    static void open(ArticleSource source, std::string mail_form, Dialogs& dialogs, EventPump& pump,
                     const Clock& clock, const std::filesystem::path& app_folder, QWidget* parent);

private:
    WidgetControlSet controls_;
    WebBrowser* browser_;
    WebLoadWatch* watch_;
    std::unique_ptr<ProgressBarControl> progress_;
    std::unique_ptr<MailController> controller_;
};

}  // namespace presslane
