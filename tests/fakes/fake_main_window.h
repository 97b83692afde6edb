#pragma once

#include <map>
#include <string>

#include "browse/catalogue.h"
#include "browse/catalogue_controls.h"
#include "browse/main_controls.h"
#include "fake_browser.h"
#include "fake_clock.h"
#include "fake_controls.h"
#include "fake_dialogs.h"
#include "fake_event_pump.h"

namespace presslane {

// The catalogue's labels and menus as fakes, gathered the way the window gathers them.
struct FakeCatalogueControls {
    FakeCatalogueControls() : controls(register_all(set, fakes)) {}

    FakeControl& operator[](const std::string& name) { return fakes[name]; }

    std::map<std::string, FakeControl> fakes;
    ControlSet set;
    CatalogueControls controls;

private:
    static const ControlSet& register_all(ControlSet& set,
                                          std::map<std::string, FakeControl>& fakes) {
        for (const catalogue::Menu& m : catalogue::menus()) {
            set.add(m.label, fakes[m.label]);
            const std::string menu = catalogue::menu_control(m);
            set.add(menu, fakes[menu]);
        }
        return set;
    }
};

// Every control of the main window as a fake, with the three browsers and the designed sizes of
// the panes the layout reads.
struct FakeMainWindowControls : FakeControls<MainControl> {
    FakeMainWindowControls() {
        (*this)[MainControl::Frame1].h = 520;
        (*this)[MainControl::Frame10].h = 390;
        (*this)[MainControl::Frame7].w = 6615;
        (*this)[MainControl::Frame8].w = 2535;
        (*this)[MainControl::Frame8].h = 3000;
        (*this)[MainControl::Picture4].x = 45;
        (*this)[MainControl::Label7].w = 1095;
    }

    FakeBrowser wb1, wb2, wb3;
    FakeProgressBar progress;
    FakeCatalogueControls catalogue;
};

}  // namespace presslane
