#pragma once

namespace presslane {

// The main window's two views: "보통", the normal view under the toolbar, and "크게", the wide
// view that lays the panes over it.
enum class ViewMode { Normal, Wide };

// Where the main window's bottom bar lies: under the browser ("down") or above it ("up").
enum class BarPosition { Up, Down };

}  // namespace presslane
