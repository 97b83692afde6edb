#include "common/controls.h"

#include <gtest/gtest.h>

#include "fakes/fake_controls.h"

namespace presslane {
namespace {

#define SAMPLE_CONTROLS(X) X(Form3) X(Text1) X(Command8)
PRESSLANE_DECLARE_CONTROLS(SampleControl, SAMPLE_CONTROLS)

TEST(Controls, ReachEachControlByItsEnumValue) {
    FakeControls<SampleControl> window;
    window[SampleControl::Text1].text = "typed";
    EXPECT_EQ(window.controls[SampleControl::Text1].caption(), "typed");
    window.controls[SampleControl::Command8].set_tooltip("tip");
    EXPECT_EQ(window[SampleControl::Command8].tip, "tip");
    EXPECT_EQ(Controls<SampleControl>::name(SampleControl::Form3), "Form3");
}

TEST(Controls, AWindowWithoutOneOfThemFailsWhenTheyAreGathered) {
    FakeControl form, command;
    ControlSet built;
    built.add("Form3", form);
    built.add("Command8", command);
    try {
        Controls<SampleControl> controls(built);
        FAIL() << "gathered controls from a window without Text1";
    } catch (const MissingControl& e) {
        EXPECT_STREQ(e.what(), "the window has no control named Text1");
    }
}

}  // namespace
}  // namespace presslane
