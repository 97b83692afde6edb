#pragma once

#include <deque>
#include <functional>

#include <QDialog>

#include "common/control_set.h"
#include "common/qt/widget_control.h"

namespace presslane {

// What the two search windows share: their controls by name (the window itself under its own
// name), a placement that runs again the first time the window manager has framed the window,
// and a step that runs at every activation.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    const ControlSet& controls() const { return controls_; }

protected:
    SearchDialog(const char* name, const char* caption, QWidget* parent);

    template <typename W>
    W* add(const char* name, W* widget) {
        return static_cast<W*>(add_widget(name, widget));
    }
    QWidget* add_widget(const char* name, QWidget* widget);
    // place: the controller's load step; activate: its activation step.
    void set_steps(std::function<void()> place, std::function<void()> activate);
    bool event(QEvent* event) override;

    ControlSet controls_;

private:
    std::deque<WidgetControl> ports_;
    std::function<void()> place_;
    std::function<void()> activate_;
    bool framed_ = false;
};

}  // namespace presslane
