#include "search/placement.h"

#include "common/control.h"

namespace presslane {

void place_over_status_bar(Control& window, const Control& form1, const Control& frame10,
                           int left_offset) {
    window.set_left(form1.left() + left_offset);
    window.set_top(form1.top() + form1.height() - (frame10.height() + window.height() + 200));
}

}  // namespace presslane
