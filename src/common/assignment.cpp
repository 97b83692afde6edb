#include "common/assignment.h"

namespace presslane {

void apply_assignment(Control& c, AssignmentProp prop, int value, const std::string& text) {
    switch (prop) {
        case AssignmentProp::Left:
            c.set_left(value);
            break;
        case AssignmentProp::Top:
            c.set_top(value);
            break;
        case AssignmentProp::Width:
            if (value >= 0) c.set_width(value);
            break;
        case AssignmentProp::Height:
            if (value >= 0) c.set_height(value);
            break;
        case AssignmentProp::Visible:
            c.set_visible(value != 0);
            break;
        case AssignmentProp::Tooltip:
            c.set_tooltip(text);
            break;
    }
}

}  // namespace presslane
