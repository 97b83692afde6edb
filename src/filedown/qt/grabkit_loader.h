#pragma once

class QWidget;

namespace presslane {

class FileDownControl;

// Creates a download control on `parent` from the Grabkit library, loaded at run time: first
// libGrabkit.so in the application folder, else the library registered for "Grabkit.FileDown".
// The library stays loaded for the rest of the process. Returns nullptr when no library could be
// loaded or it refused the ProgID; the control lives as long as its face, a child of `parent`.
FileDownControl* create_file_down(QWidget* parent);

}  // namespace presslane
