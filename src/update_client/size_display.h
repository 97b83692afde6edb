#pragma once

#include <cstdint>
#include <string>

#include "update_client/download_controls.h"

namespace presslane {

class ProgressBar;

// The progress display both update windows share: the bar's maximum is the file size and its
// value the bytes received; "SizeInfo" reads "N Byte". A size of 0 (an empty file, or a server
// that sent no length) cannot be a maximum: the bar then stays as it is and "SizeInfo" shows the
// bytes received so far.
void show_progress(const Controls<DownloadControl>& controls, ProgressBar& bar,
                   std::int32_t received, std::int32_t file_size);

// The log line both update windows show for an error code of their download control; empty for
// a code that logs nothing.
std::string download_error_line(std::int16_t code);

// ShowInfo: appends the text and CR LF to the log "text1"; the window keeps the newest line in
// view.
void append_log(const Controls<DownloadControl>& controls, const std::string& text);

}  // namespace presslane
