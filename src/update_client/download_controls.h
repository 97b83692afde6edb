#pragma once

#include "common/controls.h"

namespace presslane {

// The controls of the window both update programs show (the update window Form11 and the
// updater's frmDemo): the log, the progress bar, the size display with its label and the two
// buttons. The download control itself is created from its library and is not one of them.
#define PRESSLANE_DOWNLOAD_CONTROLS(X) \
    X(text1)                           \
    X(pgbDownload)                     \
    X(Label1)                          \
    X(SizeInfo)                        \
    X(update_start)                    \
    X(cmdCancel)
PRESSLANE_DECLARE_CONTROLS(DownloadControl, PRESSLANE_DOWNLOAD_CONTROLS)

}  // namespace presslane
