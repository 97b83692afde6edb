#include <QApplication>

#include "common/endpoints.h"
#include "common/qt/qt_clock.h"
#include "common/qt/qt_dialogs.h"
#include "common/qt/qt_event_pump.h"
#include "common/qt/qt_shell.h"
#include "filedown/file_down_control.h"
#include "update_client/qt/download_window.h"
#include "updater/qt/x_window_closer.h"
#include "updater/updater.h"

int main(int argc, char** argv) {
    using namespace presslane;
    QApplication app(argc, argv);
    QApplication::setApplicationName("update");

    QtEventPump pump;
    QtClock clock;
    QtDialogs dialogs;
    QtShell shell;
    XWindowCloser windows;
    const std::filesystem::path folder = QCoreApplication::applicationDirPath().toStdString();

    DownloadWindow window(
        "update manager [original file]",
        QString::fromStdString("알림 : 다운로드가 안될 경우 " + endpoints::home_page() +
                               " 에 접속하셔서 새 버전으로 인스톨 하세요"));
    window.setObjectName("frmDemo");
    dialogs.set_parent(&window);
    Updater updater(window.controls(), window.progress(), window.FileDown(),
                    {pump, clock, shell, dialogs, windows}, folder, endpoints::main_program());
    if (FileDownControl* down = window.FileDown()) {
        FileDownControl::Events events;
        events.OnDownload = [&](int r, int s) { updater.FileDown_OnDownload(r, s); };
        events.OnComplete = [&](int s) { updater.FileDown_OnComplete(s); };
        events.OnError = [&](int c, std::string) { updater.FileDown_OnError(c); };
        down->set_events(events);
    }
    // The whole run happens in the window's load; closing the window ends the program as well.
    window.set_handlers({[&] { updater.Form_Load(); }, [&] { updater.update_start_Click(); },
                         [&] { updater.cmdCancel_Click(); }, [&] { shell.end_process(); }});
    window.show();
    return app.exec();
}
