#pragma once

#include <string>
#include <vector>

#include "common/controls.h"

namespace presslane {

enum class AssignmentProp { Left, Top, Width, Height, Visible, Tooltip };

// One property assignment of a layout pass: which control of the window, which property, which
// value.
template <typename Id>
struct Assignment {
    using Prop = AssignmentProp;
    Id control;
    Prop prop;
    int value = 0;     // twips, or 0/1 for Visible
    std::string text;  // Tooltip

    bool operator==(const Assignment&) const = default;
};

// Sets one property; a size the window system would reject (negative) is skipped.
void apply_assignment(Control& control, AssignmentProp prop, int value, const std::string& text);

// Applies the assignments in order.
template <typename Id>
void apply_assignments(const std::vector<Assignment<Id>>& assignments,
                       const Controls<Id>& controls) {
    for (const auto& a : assignments)
        apply_assignment(controls[a.control], a.prop, a.value, a.text);
}

}  // namespace presslane
