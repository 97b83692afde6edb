#include "search/placement.h"

#include "common/control.h"
#include "common/control_set.h"

namespace presslane {

void place_over_status_bar(Control& window, const ControlSet& main_window, int left_offset) {
    const Control* form = main_window.find("Form1");
    const Control* bar = main_window.find("Frame10");
    if (!form || !bar) return;
    window.set_left(form->left() + left_offset);
    window.set_top(form->top() + form->height() - (bar->height() + window.height() + 200));
}

}  // namespace presslane
