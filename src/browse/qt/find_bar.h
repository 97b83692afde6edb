#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QLineEdit;
class QWebEngineFindTextResult;

namespace presslane {

class WebBrowser;

// The slim find bar laid over the bottom of a browser: what is typed is found in its page by the
// engine's own find, which marks every match and scrolls to the current one; Enter and the arrow
// buttons go to the next or previous match, and the count says which match of how many is shown.
class FindBar : public QFrame {
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent);

    // Shows the bar over the bottom of this browser, its text selected and taking the keyboard;
    // the text is found again in this browser's page.
    void show_over(WebBrowser* browser);
    // Hides the bar, clears the marks in the page and hands the keyboard back to the page.
    void close_bar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void find(bool backward);
    void show_result(const QWebEngineFindTextResult& result);
    void place();

    QLineEdit* text_;
    QLabel* count_;
    QPointer<WebBrowser> browser_;
    QMetaObject::Connection found_;
};

}  // namespace presslane
