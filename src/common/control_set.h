#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/control.h"

namespace presslane {

// A window that was built without a control its controller uses: a fault of the program, raised
// when the window's controls are gathered (see Controls in common/controls.h).
class MissingControl : public std::logic_error {
public:
    explicit MissingControl(std::string_view name)
        : std::logic_error("the window has no control named " + std::string(name)) {}
};

// The named controls of one window as the window built them ("Frame10", "Picture12"). The window
// owns the controls; the set only points at them. Controllers do not look names up here: they
// take a Controls<Id>, gathered from this set once.
class ControlSet {
public:
    void add(std::string name, Control& control);
    // nullptr when the window has no control of that name.
    Control* find(std::string_view name) const;
    // The control of that name; throws MissingControl when the window has none.
    Control& at(std::string_view name) const;

private:
    std::map<std::string, Control*, std::less<>> controls_;
};

}  // namespace presslane
