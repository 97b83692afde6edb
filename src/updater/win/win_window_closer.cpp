#include <windows.h>

#include "updater/win/win_window_closer.h"

namespace presslane {
namespace {

constexpr int kTitleChars = 255;

HWND handle_of(WindowCloser::Window window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

BOOL CALLBACK collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<WindowCloser::Window>*>(windows)->push_back(
        static_cast<WindowCloser::Window>(reinterpret_cast<std::uintptr_t>(window)));
    return TRUE;
}

std::string utf8_of(const wchar_t* text, int length) {
    if (length <= 0) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

std::vector<WindowCloser::Window> WinWindowCloser::top_level_windows() {
    std::vector<Window> windows;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string WinWindowCloser::title(Window window) {
    wchar_t text[kTitleChars + 1];
    const int length = GetWindowTextW(handle_of(window), text, kTitleChars + 1);
    return utf8_of(text, length);
}

void WinWindowCloser::send_close(Window window) { SendMessageW(handle_of(window), WM_CLOSE, 0, 0); }

}  // namespace presslane
