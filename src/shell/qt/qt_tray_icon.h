#pragma once

#include <functional>
#include <optional>

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include "shell/tray_icon.h"

namespace presslane {

// The tray icon port on Qt. Where the desktop has no notification area yet, the icon is added as
// soon as one appears (a program started with the desktop often comes up before its panel); until
// then the program runs without it. Clicks on the icon reach on_message as the mouse message codes
// of a left or right button release; a right click also opens the icon's menu, if it has one.
class QtTrayIcon : public QObject, public TrayIcon {
    Q_OBJECT
public:
    explicit QtTrayIcon(QIcon icon, QObject* parent = nullptr);
    ~QtTrayIcon() override;

    void add(const TrayRecord& record) override;
    void modify(const TrayRecord& record) override;
    void remove() override;
    // The icon's menu, from the next add on; owned by the caller.
    void set_menu(QMenu* menu) { menu_ = menu; }

    std::function<void(int message)> on_message;

    // How long a balloon stays when the user does not close it.
    static constexpr int kBalloonMilliseconds = 10000;

private:
    void show_balloon(const TrayRecord& record);
    void show_icon(const TrayRecord& record);

    QIcon icon_;
    QPointer<QSystemTrayIcon> tray_;
    // The record of an icon asked for while there was no tray, and the watch for one to appear.
    std::optional<TrayRecord> waiting_;
    QTimer tray_watch_;
    QPointer<QMenu> menu_;
};

}  // namespace presslane
