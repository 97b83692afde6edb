#include "browse/qt/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>

#include "browse/browser_keys.h"
#include "browse/qt/web_browser.h"

namespace presslane {
namespace {

constexpr int kHeight = 30;
constexpr int kWidth = 420;

QToolButton* button(const QString& text, const QString& tooltip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tooltip);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

FindBar::FindBar(QWidget* parent) : QFrame(parent) {
    setObjectName("FindBar");
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(246, 246, 246));
    setPalette(pal);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 4, 2);
    row->setSpacing(4);
    row->addWidget(new QLabel("찾기", this));
    text_ = new QLineEdit(this);
    text_->setObjectName("FindText");
    text_->setPlaceholderText("찾을 말");
    row->addWidget(text_, 1);
    count_ = new QLabel(this);
    count_->setObjectName("FindCount");
    count_->setMinimumWidth(90);
    row->addWidget(count_);
    auto* previous = button("▲", "이전 찾기", this);
    auto* next = button("▼", "다음 찾기", this);
    auto* close = button("✕", "찾기 창 닫기", this);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(close);
    hide();

    connect(text_, &QLineEdit::textEdited, this, [this] { find(false); });
    connect(text_, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(previous, &QToolButton::clicked, this, [this] { find(true); });
    connect(next, &QToolButton::clicked, this, [this] { find(false); });
    connect(close, &QToolButton::clicked, this, &FindBar::close_bar);
}

void FindBar::show_over(WebBrowser* browser) {
    if (browser_ != browser) {
        if (browser_) {
            browser_->findText(QString());
            browser_->removeEventFilter(this);
        }
        disconnect(found_);
        browser_ = browser;
        // The bar follows the browser it lies over, and goes when that is hidden.
        browser->installEventFilter(this);
        found_ = connect(browser->page(), &QWebEnginePage::findTextFinished, this,
                         &FindBar::show_result);
    }
    place();
    show();
    raise();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
    if (!text_->text().isEmpty()) find(false);
}

void FindBar::close_bar() {
    hide();
    count_->clear();
    if (browser_) {
        browser_->findText(QString());
        browser_->setFocus();
    }
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == browser_ && isVisible()) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move) place();
        if (event->type() == QEvent::Hide) close_bar();
    }
    return QFrame::eventFilter(watched, event);
}

void FindBar::place() {
    if (!browser_) return;
    const QRect area = browser_->geometry();
    const int width = qMin(kWidth, area.width());
    setGeometry(area.right() + 1 - width, area.bottom() + 1 - kHeight, width, kHeight);
}

void FindBar::find(bool backward) {
    if (!browser_) return;
    const QString text = text_->text();
    if (text.isEmpty()) {
        browser_->findText(QString());
        count_->clear();
        return;
    }
    browser_->findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void FindBar::show_result(const QWebEngineFindTextResult& result) {
    if (text_->text().isEmpty()) return;
    count_->setText(
        QString::fromStdString(find_count_text(result.activeMatch(), result.numberOfMatches())));
}

}  // namespace presslane
