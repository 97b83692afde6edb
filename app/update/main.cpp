#include <csignal>

#include <QApplication>

#include "common/endpoints.h"
#include "common/qt/qt_clock.h"
#include "common/qt/qt_dialogs.h"
#include "common/qt/qt_event_pump.h"
#include "common/qt/qt_shell.h"
#include "filedown/qt/qt_inet.h"
#include "update_client/qt/download_form.h"
#include "update_client/release_installer.h"
#include "update_client/release_key.h"
#ifdef _WIN32
#include "updater/win/win_window_closer.h"
#else
#include "updater/qt/x_window_closer.h"
#endif
#include "updater/updater_controller.h"

int main(int argc, char** argv) {
    using namespace presslane;
    // A file size limit must fail the write that crosses it, not kill the program half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName("update");

    QtEventPump pump;
    QtClock clock;
    QtDialogs dialogs;
    QtShell shell;
#ifdef _WIN32
    WinWindowCloser windows;
#else
    XWindowCloser windows;
#endif
    const std::filesystem::path folder = QCoreApplication::applicationDirPath().toStdString();

    DownloadForm window(
        "update manager [original file]",
        QString::fromStdString("알림 : 다운로드가 안될 경우 " + endpoints::home_page() +
                               " 에 접속하셔서 새 버전으로 인스톨 하세요"));
    window.setObjectName("frmDemo");
    dialogs.set_parent(&window);
    // netTemp, the window's own transfer component, fetches the release signatures.
    QtInet net_temp;
    ReleaseInstaller installer(net_temp, pump, ReleaseSignature(release_public_key()));
    UpdaterController updater(window.controls(), window.progress(), window.FileDown(), installer,
                              {pump, clock, shell, dialogs, windows}, folder,
                              endpoints::main_program());
    // The whole run happens in the window's load; closing the window ends the program as well.
    window.connect_to(updater);
    window.show();
    return app.exec();
}
