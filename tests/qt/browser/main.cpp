#include <gtest/gtest.h>

#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

#include "support/loopback_server.h"

// All browser tests share one process: the engine starts once.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The console tests read the process's stderr; without this Qt may log to the journal instead.
    qputenv("QT_FORCE_STDERR_LOGGING", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    // The Korean test domain goes to the loopback server; every other name fails to resolve, so no
    // page of a test can reach past this machine. The engine takes its switches from this variable
    // (quotes keep the blanks of the rule) and then ignores the command line.
    const QByteArray korean = QUrl::toAce(QString::fromUtf8(presslane::kKoreanTestHost));
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " \"--host-resolver-rules=MAP " + korean +
                " 127.0.0.1, MAP * ~NOTFOUND, EXCLUDE 127.0.0.1, EXCLUDE localhost\"");
    QApplication app(argc, argv);

    const int result = RUN_ALL_TESTS();
    // Popup windows a test left open hold pages of the default profile, which must go first.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QWebEngineView*>(window)) delete window;
    return result;
}
