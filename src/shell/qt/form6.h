#pragma once

#include <memory>
#include <string>

#include <QDialog>

#include "common/qt/widget_control_set.h"
#include "shell/about_controller.h"

namespace presslane {

// The about window on Qt: a fixed dialog centred on the screen, built anew for every opening.
class Form6 : public QDialog {
    Q_OBJECT
public:
    Form6(std::string version, std::string home_page, QWidget* parent = nullptr);
    ~Form6() override;

    // Opens the window modally and returns when it has closed.
    static void open(std::string version, std::string home_page, QWidget* parent);

private:
    WidgetControlSet controls_;
    std::unique_ptr<AboutController> controller_;
};

}  // namespace presslane
