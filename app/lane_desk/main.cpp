#include <clocale>
#include <csignal>
#include <memory>

#ifndef _WIN32
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <QApplication>
#include <QQuickWindow>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QWebEngineProfile>

#include "common/endpoints.h"
#include "common/qt/qt_clock.h"
#include "common/qt/qt_dialogs.h"
#include "common/qt/qt_event_pump.h"
#include "common/qt/qt_screen.h"
#include "common/qt/qt_shell.h"
#include "lane_desk/desk_assembly.h"
#include "shell/qt/form1.h"
#include "shell/qt/program_icon.h"
#include "shell/qt/start_form.h"
#include "update_client/qt/update_check.h"

namespace {

// How far into the splash's one-second wait the web engine starts.
constexpr int kEngineStartDelayMs = 100;

#ifndef _WIN32
int signal_pipe[2] = {-1, -1};

// The desktop session ending (or a plain kill) arrives as a signal; the close sequence must run
// on the UI thread, so the handler only wakes the event loop.
void on_signal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signal_pipe[1], &byte, 1);
}

// The web engine installs handlers of its own when it starts, so this runs again once it has.
void catch_close_signals() {
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(sig, &action, nullptr);
}
#endif

}  // namespace

int main(int argc, char** argv) {
    using namespace presslane;
    // A file size limit must fail the write that crosses it, not kill the program half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    // The web views draw their pages into the window in software. On the default path a window
    // holding a web view is composed with OpenGL as a whole on every repaint, so even the clock's
    // tick once a second would redraw the entire window through the GL renderer.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    // The media player reads numbers in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    // The process ends only through the main window's close sequence, never because the last
    // window happened to close (the splash closes before the main window may be shown).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("lane_desk");
    QApplication::setWindowIcon(program_icon());

    QtEventPump pump;
    QtClock clock;
    QtDialogs dialogs;
    QtShell shell;
    QtScreen screen;
    const std::filesystem::path folder = QCoreApplication::applicationDirPath().toStdString();
    const BrowserHost::Addresses addresses{
        endpoints::program_version(), endpoints::product_domain(), endpoints::default_start_page(),
        endpoints::visit_counter()};

    DeskAssembly* main_window = nullptr;
    UpdateCheck* update_check = nullptr;
    auto* splash = new StartForm(
        pump, clock,
        {[&] {
             main_window =
                 new DeskAssembly({dialogs, pump, clock, shell, screen}, folder, addresses, [&] {
                     if (update_check) update_check->main_window_activated();
                 });
             update_check =
                 new UpdateCheck(&main_window->form(), {dialogs, pump, clock, shell}, folder);
#ifndef _WIN32
             catch_close_signals();
#endif
             dialogs.set_parent(&main_window->form());
             main_window->controller().Form_Load();
             update_check->load_finished();
         },
         [&] {
             if (main_window && !main_window->form().isVisible()) main_window->form().show();
         },
         {}});
    // The web engine takes a good part of a second to start, and the main window's browsers need
    // it. It starts while the splash waits its second: a moment into the wait, once the splash has
    // been drawn and its routine's first pass over pending events (which comes before the wait) is
    // done. The wait goes by the clock, so it still ends when it would have.
    QObject::connect(
        splash, &StartForm::activated, &app,
        [&app] {
            QTimer::singleShot(kEngineStartDelayMs, &app, [] {
                QWebEngineProfile::defaultProfile();
#ifndef _WIN32
                catch_close_signals();
#endif
                // The rest of the wait is idle: the main window's icons are looked up there.
                Form1::preload_icons();
            });
        },
        Qt::SingleShotConnection);
    splash->show();

    auto close_main = [&] {
        if (main_window) {
            main_window->controller().Form_Unload();
        } else {
            shell.end_process();
        }
    };
#ifndef _WIN32
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signal_pipe) == 0) {
        auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, close_main);
        catch_close_signals();
    }
#endif
    // Windows ends a session through the session manager alone.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&](QSessionManager&) { close_main(); });
    return app.exec();
}
