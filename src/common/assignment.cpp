#include "common/assignment.h"

namespace presslane {

void apply_assignments(const std::vector<Assignment>& assignments, const ControlSet& controls) {
    for (const auto& a : assignments) {
        Control* c = controls.find(a.control);
        if (c == nullptr) continue;
        switch (a.prop) {
            case Assignment::Prop::Left:
                c->set_left(a.value);
                break;
            case Assignment::Prop::Top:
                c->set_top(a.value);
                break;
            case Assignment::Prop::Width:
                if (a.value >= 0) c->set_width(a.value);
                break;
            case Assignment::Prop::Height:
                if (a.value >= 0) c->set_height(a.value);
                break;
            case Assignment::Prop::Visible:
                c->set_visible(a.value != 0);
                break;
            case Assignment::Prop::Tooltip:
                c->set_tooltip(a.text);
                break;
        }
    }
}

}  // namespace presslane
