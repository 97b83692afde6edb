#pragma once

#include <QIcon>

namespace presslane {

// The program's icon, drawn by the program: a folded newspaper page with the first letter of its
// name, in the colours of the main window's bars. Every window and the tray icon use it.
QIcon program_icon();

}  // namespace presslane
