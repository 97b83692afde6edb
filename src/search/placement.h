#pragma once

namespace presslane {

class Control;

// Places a search window just above the main window's status bar: its left is the main window's
// left plus left_offset, its bottom 200 twips above the status bar's height from the main window's
// bottom. form1: the main window's outer frame; frame10: its status bar.
void place_over_status_bar(Control& window, const Control& form1, const Control& frame10,
                           int left_offset);

}  // namespace presslane
