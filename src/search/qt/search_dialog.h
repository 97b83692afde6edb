#pragma once

#include <functional>

#include <QDialog>

#include "common/qt/widget_control_set.h"

namespace presslane {

// What the two search windows share: their controls by name (the window itself under its own
// name, gathered by each window for its controller), a placement that runs again the first time the
// window manager has framed the window, and a step that runs at every activation.
class SearchDialog : public QDialog {
    Q_OBJECT
protected:
    SearchDialog(const char* name, const char* caption, QWidget* parent);

    // place: the controller's load step; activate: its activation step.
    void set_steps(std::function<void()> place, std::function<void()> activate);
    bool event(QEvent* event) override;

    WidgetControlSet controls_;

private:
    std::function<void()> place_;
    std::function<void()> activate_;
    bool framed_ = false;
};

}  // namespace presslane
