// A program with one top-level window titled by its first argument. It runs until the window is
// asked to close, and then exits with kClosedByRequest, so a test can tell a window closed the
// way its close box closes it from a program that died.
#include <windows.h>

#include <string>

#include "win/titled_window.h"

namespace {

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(presslane::kClosedByRequest);
            return 0;
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW cls{};
    cls.lpfnWndProc = window_proc;
    cls.hInstance = instance;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = L"PressLaneTitledWindow";
    if (!RegisterClassW(&cls)) return 3;
    const HWND window =
        CreateWindowExW(0, cls.lpszClassName, argv[1], WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 400, 200, nullptr, nullptr, instance, nullptr);
    if (!window) return 4;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
