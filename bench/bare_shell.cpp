// The peer of the start-up and idle benchmarks: one web view in one window, loading the address
// it is given, its window captioned with the page's title as a browser's would be.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    QWebEngineView view;
    QObject::connect(&view, &QWebEngineView::titleChanged, &view, &QWidget::setWindowTitle);
    view.resize(1024, 700);
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    view.show();
    return app.exec();
}
