#pragma once

#include <map>
#include <string>
#include <string_view>

#include "common/control.h"

namespace presslane {

// The named controls of one window, looked up by their control names ("Frame10", "Picture12").
// The window owns the controls; the set only points at them.
class ControlSet {
public:
    void add(std::string name, Control& control);
    // nullptr when the window has no control of that name.
    Control* find(std::string_view name) const;

private:
    std::map<std::string, Control*, std::less<>> controls_;
};

}  // namespace presslane
