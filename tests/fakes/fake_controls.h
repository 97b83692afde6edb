#pragma once

#include <array>

#include "common/controls.h"
#include "fake_control.h"

namespace presslane {

// Every control of one window as a FakeControl, gathered into the Controls<Id> its controller
// takes. Tests set and read the fakes by the same enum values the controller uses.
template <typename Id>
struct FakeControls {
    FakeControls() : controls(register_all(set, fakes)) {}

    FakeControl& operator[](Id id) { return fakes[static_cast<std::size_t>(id)]; }

    std::array<FakeControl, Controls<Id>::count> fakes;
    ControlSet set;
    Controls<Id> controls;

private:
    static const ControlSet& register_all(ControlSet& set,
                                          std::array<FakeControl, Controls<Id>::count>& fakes) {
        for (std::size_t i = 0; i < fakes.size(); ++i)
            set.add(std::string(control_names(Id{})[i]), fakes[i]);
        return set;
    }
};

}  // namespace presslane
