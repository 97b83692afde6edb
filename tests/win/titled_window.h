#pragma once

namespace presslane {

// The exit code of the titled window program when its window was closed by a WM_CLOSE.
constexpr int kClosedByRequest = 7;

}  // namespace presslane
