#pragma once

namespace presslane {

class Control;
class ControlSet;

// Places a search window just above the main window's status bar: its left is the main window's
// left plus left_offset, its bottom 200 twips above the status bar's height from the main window's
// bottom. A main window without "Form1" or "Frame10" leaves the window where it is.
void place_over_status_bar(Control& window, const ControlSet& main_window, int left_offset);

}  // namespace presslane
