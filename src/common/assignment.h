#pragma once

#include <string>
#include <vector>

#include "common/control_set.h"

namespace presslane {

// One property assignment of a layout pass: which control, which property, which value.
struct Assignment {
    enum class Prop { Left, Top, Width, Height, Visible, Tooltip };
    std::string control;
    Prop prop;
    int value = 0;     // twips, or 0/1 for Visible
    std::string text;  // Tooltip

    bool operator==(const Assignment&) const = default;
};

// Applies the assignments in order. A control the window lacks is skipped, and so is a size the
// window system would reject (negative); the rest still apply.
void apply_assignments(const std::vector<Assignment>& assignments, const ControlSet& controls);

}  // namespace presslane
