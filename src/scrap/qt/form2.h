#pragma once

#include <filesystem>
#include <memory>

#include <QDialog>

#include "common/qt/widget_control_set.h"
#include "scrap/scrap_controller.h"

class QLineEdit;

namespace presslane {

class Clock;
class Dialogs;

// The scrap dialog on Qt: builds the controls of Form2 and forwards their events to the
// ScrapController. Built anew for every opening.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(ArticleSource source, Dialogs& dialogs, const Clock& clock,
          const std::filesystem::path& app_folder, QWidget* parent = nullptr);
    ~Form2() override;

    // Opens the dialog modally and returns when it has closed.
    static void open(ArticleSource source, Dialogs& dialogs, const Clock& clock,
                     const std::filesystem::path& app_folder, QWidget* parent);

private:
    WidgetControlSet controls_;
    std::unique_ptr<ScrapController> controller_;
};

}  // namespace presslane
