#pragma once

#include <deque>
#include <map>
#include <string>

#include "common/control_set.h"
#include "fake_browser.h"
#include "fake_clock.h"
#include "fake_control.h"
#include "fake_dialogs.h"
#include "fake_event_pump.h"

namespace presslane {

// Every named control of the main window as a fake, with the three browsers.
struct FakeMainWindowControls {
    FakeMainWindowControls() {
        for (const char* name :
             {"Form1",     "Toolbar1", "Frame1",    "Frame2",    "Frame3",   "Frame4",
              "Frame5",    "Frame9",   "Frame17",   "Frame10",   "Frame7",   "Frame8",
              "ListView1", "Label7",   "Label26",   "Combo1",    "Picture1", "Picture4",
              "Picture7",  "Picture8", "Picture11", "Picture12", "Picture20"}) {
            controls.add(name, by_name[name]);
        }
        controls.add("WebBrowser1", wb1.view);
        controls.add("WebBrowser2", wb2.view);
        controls.add("WebBrowser3", wb3.view);
        by_name["Frame1"].h = 520;
        by_name["Frame10"].h = 390;
        by_name["Frame7"].w = 6615;
        by_name["Frame8"].w = 2535;
        by_name["Frame8"].h = 3000;
        by_name["Picture4"].x = 45;
        by_name["Label7"].w = 1095;
    }
    FakeControl& operator[](const std::string& name) { return by_name[name]; }

    std::map<std::string, FakeControl> by_name;
    FakeBrowser wb1, wb2, wb3;
    FakeProgressBar progress;
    ControlSet controls;
};

}  // namespace presslane
