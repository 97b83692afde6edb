#include <gtest/gtest.h>

#include <QApplication>

// One process for every window test: the web engine starts once.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Only the loopback names resolve, so no page of a test can reach past this machine.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") +
                " \"--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1, EXCLUDE localhost\"");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
