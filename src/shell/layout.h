#pragma once

#include <vector>

#include "browse/main_controls.h"
#include "browse/view_mode.h"
#include "common/assignment.h"

namespace presslane {

// The two layout states of the main window; neither survives the process.
struct LayoutState {
    ViewMode view_mode = ViewMode::Normal;
    BarPosition menu_position = BarPosition::Down;

    bool wide() const { return view_mode == ViewMode::Wide; }
    bool up() const { return menu_position == BarPosition::Up; }
};

// Sizes of the panes that the layout pass reads but does not set (twips).
struct PaneSizes {
    int picture1_width = 0;
    int picture20_width = 0;
    int picture7_width = 0;
    int picture8_width = 0;
    int label7_width = 0;
    int frame1_height = 520;
    int frame10_height = 390;
    int frame7_width = 6615;
};

// The layout pass: the position and size of every laid-out pane for a main window whose outer
// frame is width x height twips, as assignments in the order they are made.
std::vector<Assignment<MainControl>> layout_main_window(int width, int height,
                                                        const LayoutState& state,
                                                        const PaneSizes& sizes);

// The clock's left edge inside the category row for a window of this outer width.
int clock_left(int width, int label7_width);

// Where the media pane opens: at the media button's left, below the bottom bar when the bar lies
// at the top, above it when the bar lies at the bottom.
std::vector<Assignment<MainControl>> anchor_media_pane(const LayoutState& state, int picture4_left,
                                                       int frame10_top, int frame10_height,
                                                       int frame8_height);

}  // namespace presslane
