#pragma once

#include "common/controls.h"

namespace presslane {

// The fixed controls of the main window (Form1), declared once for its controllers, its Qt window
// and the test fakes. "Form1" is the window itself (outer frame geometry in twips, caption =
// title). The catalogue's category labels, menus and logos are made from the catalogue's data and
// are gathered by CatalogueControls instead.
// clang-format off
#define PRESSLANE_MAIN_CONTROLS(X)                                                                 \
    X(Form1) X(Toolbar1) X(Toolbar1_Button1) X(Toolbar1_Button2) X(Toolbar1_Button3)               \
    X(Toolbar1_Button4) X(Toolbar1_Button5) X(Toolbar1_Button6) X(Toolbar1_Button7)                \
    X(Frame1) X(Frame2) X(Frame3) X(Frame4) X(Frame5) X(Frame9) X(Frame17) X(Frame10) X(Frame7)    \
    X(Frame8) X(ListView1) X(Label7) X(Label9) X(Label26) X(Label1000) X(Combo1) X(Combo2)         \
    X(Image1) X(Image2) X(Image3) X(Image4) X(Image5) X(Image30) X(Image31) X(Image32) X(Image34)  \
    X(Image39) X(Picture1) X(Picture2) X(Picture4) X(Picture5) X(Picture6) X(Picture7) X(Picture8) \
    X(Picture9) X(Picture10) X(Picture11) X(Picture12) X(Picture14) X(Picture15) X(Picture16)      \
    X(Picture18) X(Picture19) X(Picture20) X(ProgressBar1) X(WebBrowser1) X(WebBrowser2)           \
    X(WebBrowser3) X(MediaPlayer1) X(pichook)
// clang-format on
PRESSLANE_DECLARE_CONTROLS(MainControl, PRESSLANE_MAIN_CONTROLS)

using MainControls = Controls<MainControl>;

}  // namespace presslane
