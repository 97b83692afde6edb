#pragma once

#include <filesystem>
#include <memory>

#include <QObject>

class QWidget;

namespace presslane {

class Clock;
class Dialogs;
class EventPump;
class QtInet;
class Shell;
class VersionCheck;

// The version check on the main window: owns the window's transfer component Inet1 and runs
// CheckForUpdate when the main window becomes the program's active window: when it is first
// shown and whenever the user returns to it from another window of the program. Coming back from
// the check's own question, or from another program, is no return from a window of the program.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    struct Ports {
        Dialogs& dialogs;
        EventPump& pump;
        Clock& clock;
        Shell& shell;
    };
    UpdateCheck(QWidget* main_window, Ports ports, std::filesystem::path app_folder);
    ~UpdateCheck() override;

    // The main window's activation; the check itself runs from the event loop.
    void main_window_activated();
    // The main window's load sequence has ended. An activation during the load (the window is
    // shown half-way through it) is checked only now, from the event loop, so that the question
    // never opens inside the load's own waits.
    void load_finished();

private:
    void show_update_window();

    QWidget* main_window_;
    Ports ports_;
    std::filesystem::path folder_;
    QtInet* inet_;
    std::unique_ptr<VersionCheck> check_;
    bool loaded_ = false;
    bool check_pending_ = false;
    bool first_ = true;
    bool other_window_seen_ = false;
    bool last_was_question_ = false;
};

}  // namespace presslane
