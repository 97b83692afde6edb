#include "common/qt/qt_shell.h"

#include <cstdio>
#include <cstdlib>

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace presslane {

bool QtShell::open_in_default_browser(const std::string& address) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
}

bool QtShell::start_process(const std::string& program, const std::vector<std::string>& args) {
    QStringList list;
    for (const auto& a : args) list << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), list);
}

void QtShell::end_process() {
    // No window event may run after the close sequence: no destructors, no event loop. Every
    // record file was closed by the step that wrote it.
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace presslane
