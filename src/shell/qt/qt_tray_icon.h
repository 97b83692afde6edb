#pragma once

#include <functional>

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include "shell/tray_icon.h"

namespace presslane {

// The tray icon port on Qt. Where the desktop has no notification area the calls do nothing and
// the program runs without its icon. Clicks on the icon reach on_message as the mouse message
// codes of a left or right button release; a right click also opens the icon's menu, if it has
// one.
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

    QIcon icon_;
    QPointer<QSystemTrayIcon> tray_;
    QPointer<QMenu> menu_;
};

}  // namespace presslane
