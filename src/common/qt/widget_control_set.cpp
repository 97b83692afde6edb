#include "common/qt/widget_control_set.h"

#include <QWidget>

namespace presslane {

QWidget* WidgetControlSet::add_widget(const std::string& name, QWidget* widget) {
    widget->setObjectName(QString::fromStdString(name));
    ControlSet::add(name, ports_.emplace_back(widget));
    return widget;
}

QWidget* WidgetControlSet::add_placed(const std::string& name, QWidget* widget, int left, int top,
                                      int width, int height) {
    place(widget, left, top, width, height);
    return add_widget(name, widget);
}

}  // namespace presslane
