#pragma once

#include <string>

namespace presslane {

// The program's icon in the desktop's notification area, kept by the main window for its whole
// life. The record is what the icon shows; the same record is handed to every call.
struct TrayRecord {
    std::string tooltip;
    std::string balloon_title;
    std::string balloon_text;
    bool information_icon = true;
};

// The notification area. Failures are not reported: without a tray the program runs without
// its icon until a tray appears, which then shows it. A mouse message on the icon reaches the
// window's tray handler with its message code.
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // Shows the icon; the balloon of the record shows at once.
    virtual void add(const TrayRecord& record) = 0;
    // Hands the record over again; the balloon shows once more.
    virtual void modify(const TrayRecord& record) = 0;
    virtual void remove() = 0;
};

}  // namespace presslane
