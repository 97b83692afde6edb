#include "common/control_set.h"

namespace presslane {

void ControlSet::add(std::string name, Control& control) { controls_[std::move(name)] = &control; }

Control* ControlSet::find(std::string_view name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

Control& ControlSet::at(std::string_view name) const {
    Control* control = find(name);
    if (control == nullptr) throw MissingControl(name);
    return *control;
}

}  // namespace presslane
