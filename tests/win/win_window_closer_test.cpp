#include "updater/win/win_window_closer.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "win/titled_window.h"

namespace presslane {
namespace {

std::wstring wide(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::wstring own_folder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// The titled window program, started with a title, and ended when the test is over.
class TitledWindow {
public:
    explicit TitledWindow(const std::string& title) {
        std::wstring command =
            L"\"" + own_folder() + L"titled_window.exe\" \"" + wide(title) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != 0;
        if (started_) CloseHandle(process_.hThread);
    }
    ~TitledWindow() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hProcess);
    }
    TitledWindow(const TitledWindow&) = delete;
    TitledWindow& operator=(const TitledWindow&) = delete;

    bool started() const { return started_; }
    // Its exit code once it has ended within the time; nothing while it still runs.
    std::optional<DWORD> exit_code(DWORD wait_ms) const {
        if (WaitForSingleObject(process_.hProcess, wait_ms) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

// The top-level window with exactly this title, waited for up to half a minute (a cold Wine start
// is slow).
std::optional<WindowCloser::Window> wait_for_window(WindowCloser& closer,
                                                    const std::string& title) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        for (const WindowCloser::Window window : closer.top_level_windows())
            if (closer.title(window) == title) return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
}

TEST(WinWindowCloser, FindsAnotherProgramsKoreanWindowAndClosesItLikeItsCloseBox) {
    const std::string title = "프레스레인 v4.47";
    TitledWindow program(title);
    ASSERT_TRUE(program.started());
    WinWindowCloser closer;
    const std::optional<WindowCloser::Window> window = wait_for_window(closer, title);
    ASSERT_TRUE(window) << "no top-level window titled " << title;
    EXPECT_FALSE(program.exit_code(0)) << "the program ended before it was asked to";

    closer.send_close(*window);
    EXPECT_EQ(program.exit_code(10000), DWORD(kClosedByRequest));
    const auto windows = closer.top_level_windows();
    EXPECT_EQ(std::find(windows.begin(), windows.end(), *window), windows.end());
    EXPECT_EQ(closer.title(*window), "");
}

TEST(WinWindowCloser, ReadsAtMost255CharactersOfATitle) {
    std::string title = "프레스레인 ";
    for (int i = 0; i < 300; ++i) title += "가";
    TitledWindow program(title);
    ASSERT_TRUE(program.started());
    WinWindowCloser closer;
    const std::string first_255 = title.substr(0, std::string("프레스레인 ").size() + 249 * 3);
    const std::optional<WindowCloser::Window> window = wait_for_window(closer, first_255);
    ASSERT_TRUE(window) << "no window whose title reads as its first 255 characters";
    closer.send_close(*window);
    EXPECT_EQ(program.exit_code(10000), DWORD(kClosedByRequest));
}

}  // namespace
}  // namespace presslane
