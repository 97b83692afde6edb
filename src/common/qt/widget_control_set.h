#pragma once

#include <deque>
#include <string>
#include <type_traits>

#include "common/control_set.h"
#include "common/controls.h"
#include "common/qt/widget_control.h"

class QWidget;

namespace presslane {

// The named controls of a Qt window: a widget added here gets its control name as object name and
// a control port in the set. The window owns the widgets; the set owns only their ports.
class WidgetControlSet : public ControlSet {
public:
    using ControlSet::add;
    template <typename W>
    W* add(const std::string& name, W* widget) {
        return static_cast<W*>(add_widget(name, widget));
    }
    // The same, placed at left, top, width and height in twips within its parent.
    template <typename W>
    W* add(const std::string& name, W* widget, int left, int top, int width, int height) {
        return static_cast<W*>(add_placed(name, widget, left, top, width, height));
    }
    // The same two, named by the control's value in its window's enum (see common/controls.h).
    template <typename Id, typename W>
    requires std::is_enum_v<Id> W* add(Id id, W* widget) {
        return add(std::string(Controls<Id>::name(id)), widget);
    }
    template <typename Id, typename W>
    requires std::is_enum_v<Id> W* add(Id id, W* widget, int left, int top, int width, int height) {
        return add(std::string(Controls<Id>::name(id)), widget, left, top, width, height);
    }
    // A control whose port the widget provides itself (a browser), by its enum value.
    template <typename Id>
    requires std::is_enum_v<Id>
    void add(Id id, Control& control) {
        ControlSet::add(std::string(Controls<Id>::name(id)), control);
    }

private:
    QWidget* add_widget(const std::string& name, QWidget* widget);
    QWidget* add_placed(const std::string& name, QWidget* widget, int left, int top, int width,
                        int height);

    std::deque<WidgetControl> ports_;
};

}  // namespace presslane
