#include "browse/qt/web_browser.h"

#include <memory>
#include <optional>

#include <QAction>
#include <QChildEvent>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QEvent>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>
#include <QWheelEvent>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>

#include "browse/qt/web_page.h"

namespace presslane {

namespace {

constexpr int kProgressMax = 100;
constexpr char kBlankPage[] = "about:blank";
// The engine renders the whole page to PDF before it paints the printer; a long article takes a
// few seconds. Past this the print is given up so a modal dialog never hangs on it.
constexpr int kPrintTimeoutMs = 120000;

// A page that never answers a fill (its renderer hangs or a navigation drops the script) must
// not hold the caller for long; the callers retry or give up on their own.
constexpr int kFillAnswerMs = 3000;
// The engine reports the start of a load within moments of being asked.
constexpr int kLoadStartMs = 5000;

// The arguments arrive as a JSON array, so page text can never become script. The isolated world
// keeps the page's own scripts (which may replace DOM functions) out of the way; the DOM is shared.
// The origin is checked in the same script that fills, on the very document it fills; a document
// without an origin of its own (a blank or data page) never matches.
constexpr char kFillFieldsScript[] = R"JS(
(function (page, fields) {
  try {
    var origin = String(location.origin);
    if (origin === 'null' || origin !== new URL(page).origin) return false;
    var elements = [];
    for (var i = 0; i < fields.length; ++i) {
      var element = document.getElementsByName(fields[i][0])[0];
      if (!element) return false;
      elements.push(element);
    }
    for (var j = 0; j < elements.length; ++j) {
      elements[j].setAttribute('value', fields[j][1]);
      // A form field shows its value property; the attribute only seeds it until the field is
      // edited.
      if (typeof elements[j].value === 'string') elements[j].value = fields[j][1];
    }
    return true;
  } catch (e) {
    return false;
  }
}).apply(null, )JS";

QString json_arguments(const QJsonArray& arguments) {
    QString json = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    // JSON allows these two line separators raw inside strings; older script parsers do not.
    json.replace(QChar(0x2028), QStringLiteral("\\u2028"));
    json.replace(QChar(0x2029), QStringLiteral("\\u2029"));
    return json;
}

}  // namespace

WebBrowser::WebBrowser(QWidget* parent)
    : QWebEngineView(parent),
      page_(new WebPage(QWebEngineProfile::defaultProfile(), this)),
      control_(this) {
    setPage(page_);
    page_->on_navigation_request = [this](const QUrl& url) {
        if (auto handler = on_before_navigate) handler(url.toString().toStdString());
    };
    connect(page_, &QWebEnginePage::newWindowRequested, this, &WebBrowser::open_new_window);
    connect(page_, &QWebEnginePage::loadStarted, this, &WebBrowser::on_load_started);
    connect(page_, &QWebEnginePage::loadProgress, this, &WebBrowser::on_load_progress);
    connect(page_, &QWebEnginePage::loadFinished, this, &WebBrowser::on_load_finished);
    // A crashed renderer may never report the end of its load.
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, [this] {
        busy_ = false;
        starting_ = false;
    });
}

WebBrowser::~WebBrowser() {
    // The page is a child and outlives this part of the object (the view's own destructor still
    // needs it): nothing it does while it goes may call back into this browser.
    disconnect(page_, nullptr, this, nullptr);
    page_->on_navigation_request = nullptr;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->removeEventFilter(this);
}

QUrl WebBrowser::resolve_address(const std::string& address) {
    const QString text = QString::fromStdString(address).trimmed();
    if (text.isEmpty()) return {};
    // Callers write the blank page as "about: blank"; an address bar forgives the blank.
    static const QRegularExpression about(QStringLiteral(R"(^about:\s*(\S*)$)"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (const auto match = about.match(text); match.hasMatch()) {
        const QString name = match.captured(1).toLower();
        return QUrl(QStringLiteral("about:") + (name.isEmpty() ? QStringLiteral("blank") : name));
    }
    const QUrl url = QUrl::fromUserInput(text);
    return url.isValid() ? url : QUrl();
}

void WebBrowser::navigate(const std::string& address) {
    const QUrl url = resolve_address(address);
    if (url.isEmpty()) return;
    if (deferring_ && url == QUrl(kBlankPage)) {
        blank_owed_ = true;
        return;
    }
    start_engine();
    load_address(url);
}

void WebBrowser::start_engine() {
    if (!deferring_) return;
    deferring_ = false;
    if (blank_owed_) {
        blank_owed_ = false;
        load_address(QUrl(kBlankPage));
    }
}

void WebBrowser::load_address(const QUrl& url) {
    // The engine reports the start a moment later. A load that never reports one (the engine
    // dropped it) stops counting as started after a while.
    starting_ = true;
    const unsigned navigation = ++navigations_;
    QTimer::singleShot(kLoadStartMs, this, [this, navigation] {
        if (navigation == navigations_) starting_ = false;
    });
    load(url);
}

// A browser that has loaded nothing yet has no history.
void WebBrowser::go_back() {
    if (!deferring_ && history()->canGoBack()) back();
}

void WebBrowser::go_forward() {
    if (!deferring_ && history()->canGoForward()) forward();
}

void WebBrowser::reload() {
    if (deferring_) return;
    starting_ = true;
    const unsigned navigation = ++navigations_;
    QTimer::singleShot(kLoadStartMs, this, [this, navigation] {
        if (navigation == navigations_) starting_ = false;
    });
    QWebEngineView::reload();
}

void WebBrowser::stop() {
    if (!deferring_) QWebEngineView::stop();
}

void WebBrowser::set_zoom(int percent) { setZoomFactor(percent / 100.0); }

// Both dialogs run a nested event loop, inside which the host may close its window: they are
// parented to this browser and guarded, and a printer the engine may still be writing into after
// a timed-out print is left alive rather than freed under it.
void WebBrowser::print_preview() {
    start_engine();
    QPointer<WebBrowser> self(this);
    auto* printer = new QPrinter;
    QPointer<QPrintPreviewDialog> dialog = new QPrintPreviewDialog(printer, this);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, &WebBrowser::print_and_wait);
    dialog->exec();
    delete dialog;
    if (self && !printing_ && !print_stuck_) delete printer;
}

void WebBrowser::print() {
    start_engine();
    QPointer<WebBrowser> self(this);
    auto* printer = new QPrinter;
    QPointer<QPrintDialog> dialog = new QPrintDialog(printer, this);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog;
    if (!self) return;
    if (accepted) print_and_wait(printer);
    if (self && !printing_ && !print_stuck_) delete printer;
}

// The view prints asynchronously, but the preview dialog reads the printer as soon as
// paintRequested returns: wait here, letting window events run, until the pages are on it.
void WebBrowser::print_and_wait(QPrinter* printer) {
    // The engine takes one print at a time and silently drops a second one; the preview asks
    // again whenever its settings change, possibly while a print is still running.
    if (printing_ || print_stuck_) return;
    printing_ = true;
    QPointer<WebBrowser> self(this);
    QEventLoop loop;
    bool finished = false;
    connect(this, &QWebEngineView::printFinished, &loop, [&finished, &loop](bool) {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kPrintTimeoutMs, &loop, &QEventLoop::quit);
    QWebEngineView::print(printer);
    if (!finished) loop.exec();
    if (!self) return;
    printing_ = false;
    if (!finished) print_stuck_ = true;
}

std::string WebBrowser::location_name() const {
    // The engine names a blank page by its address.
    return blank_owed_ ? kBlankPage : title().toStdString();
}

// The address as the browser sends it (every reserved or non-ASCII character percent-encoded, an
// international host in its ASCII form), so a stored address opens the very same page again.
std::string WebBrowser::location_url() const {
    return blank_owed_ ? kBlankPage : url().toEncoded().toStdString();
}

void WebBrowser::set_silent(bool silent) { page_->set_silent(silent); }

bool WebBrowser::fill_fields(const std::string& page,
                             const std::vector<std::pair<std::string, std::string>>& name_value) {
    // The blank page has no origin of its own, so nothing is filled while it is all there is.
    if (deferring_ || page.empty() || name_value.empty()) return false;
    QJsonArray fields;
    for (const auto& [name, value] : name_value)
        fields.append(QJsonArray{QString::fromStdString(name), QString::fromStdString(value)});
    const QString script = QString::fromUtf8(kFillFieldsScript) +
                           json_arguments(QJsonArray{QString::fromStdString(page), fields}) +
                           QStringLiteral(");");

    // The answer may come after this call has given up, or never: the callback only touches state
    // it shares, and the loop only while the loop still exists.
    auto answer = std::make_shared<std::optional<bool>>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    QPointer<WebBrowser> self(this);
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                         [answer, waiting](const QVariant& result) {
                             *answer = result.typeId() == QMetaType::Bool && result.toBool();
                             if (waiting) waiting->quit();
                         });
    // Window events run in the loop: the host may close the window and destroy this browser.
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer::singleShot(kFillAnswerMs, &loop, &QEventLoop::quit);
    if (!answer->has_value()) loop.exec();
    if (!self) return false;
    return answer->value_or(false);
}

void WebBrowser::set_focus() { setFocus(); }

bool WebBrowser::eventFilter(QObject* watched, QEvent* event) {
    // Only the page's render widget and the view's other children are watched; the document is
    // bound from the first completed load on.
    if (event->type() == QEvent::MouseMove && has_document_) {
        if (auto handler = on_document_mouse_over) handler();
    }
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            // One notch is 120 eighths of a degree; a touchpad sends smaller parts of one.
            wheel_eighths_ += wheel->angleDelta().y();
            const int notches = wheel_eighths_ / 120;
            wheel_eighths_ -= notches * 120;
            if (notches != 0) {
                if (auto handler = on_zoom_wheel) handler(notches);
            }
            return true;
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}

void WebBrowser::childEvent(QChildEvent* event) {
    // The engine creates the render widget that receives the mouse when the page first renders,
    // and again when a popup's page is adopted into this browser.
    if ((event->added() || event->polished()) && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWebEngineView::childEvent(event);
}

void WebBrowser::showEvent(QShowEvent* event) {
    start_engine();
    QWebEngineView::showEvent(event);
}

// The engine's own menu offers entries that make no sense in a browser without windows of its own
// (view source, save page, open in a new window): the menu is the program's own, with the
// engine's editing entries where the page offers them.
void WebBrowser::contextMenuEvent(QContextMenuEvent* event) {
    const QWebEngineContextMenuRequest* request = lastContextMenuRequest();
    if (!request) return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QUrl link = request->linkUrl();
    if (link.isValid() && !link.isEmpty()) {
        if (on_open_elsewhere) {
            menu->addAction("기본 브라우저로 링크 열기", this, [this, link] {
                if (auto handler = on_open_elsewhere) handler(link.toEncoded().toStdString());
            });
        }
        menu->addAction("링크 주소 복사", this, [link] {
            QGuiApplication::clipboard()->setText(QString::fromUtf8(link.toEncoded()));
        });
        menu->addSeparator();
    }
    if (request->isContentEditable()) {
        menu->addAction(pageAction(QWebEnginePage::Cut));
        menu->addAction(pageAction(QWebEnginePage::Copy));
        menu->addAction(pageAction(QWebEnginePage::Paste));
        menu->addAction(pageAction(QWebEnginePage::SelectAll));
        menu->addSeparator();
    } else if (!request->selectedText().isEmpty()) {
        menu->addAction(pageAction(QWebEnginePage::Copy));
        menu->addSeparator();
    }
    menu->addAction("뒤로", this, [this] { go_back(); })->setEnabled(history()->canGoBack());
    menu->addAction("앞으로", this, [this] { go_forward(); })
        ->setEnabled(history()->canGoForward());
    menu->addAction("새로 고침", this, [this] { reload(); });
    if (on_open_elsewhere && url().isValid() && !url().isEmpty()) {
        menu->addAction("기본 브라우저로 페이지 열기", this, [this] {
            if (auto handler = on_open_elsewhere) handler(url().toEncoded().toStdString());
        });
    }
    menu->popup(event->globalPos());
}

void WebBrowser::watch_render_widget() {
    if (QWidget* proxy = focusProxy()) proxy->installEventFilter(this);
}

void WebBrowser::on_load_started() {
    busy_ = true;
    starting_ = false;
}

void WebBrowser::on_load_progress(int progress) {
    if (auto handler = on_progress_change) handler(progress, kProgressMax);
}

void WebBrowser::on_load_finished() {
    busy_ = false;
    has_document_ = true;
    watch_render_widget();
    // Handlers let window events run and may navigate or close the window meanwhile.
    QPointer<WebBrowser> self(this);
    if (auto handler = on_progress_change) handler(-1, kProgressMax);
    if (!self) return;
    if (auto handler = on_document_complete) handler();
}

void WebBrowser::set_audio_muted(bool muted) {
    muted_ = muted;
    page_->setAudioMuted(muted);
}

void WebBrowser::open_new_window(QWebEngineNewWindowRequest& request) {
    QPointer<WebBrowser> self(this);
    Browser* target = nullptr;
    // The handler lets window events run; the request lives until this returns.
    if (auto handler = on_new_window) target = handler(request.isUserInitiated());
    if (!self) return;
    if (target == this) {
        // Loaded in place rather than adopted: this browser keeps its history, so back returns to
        // the page the window was asked from. The engine's new page is then dropped.
        if (!request.requestedUrl().isEmpty()) load_address(request.requestedUrl());
        return;
    }
    // Only a browser of this engine and profile can take over the engine's new page; anything else
    // lets the popup open in a window of its own, so window.open() still succeeds in the page.
    auto* browser = dynamic_cast<WebBrowser*>(target);
    if (browser && browser->page_->profile() == page_->profile()) {
        // The popup's page takes the place of whatever the browser held or owed.
        browser->deferring_ = false;
        browser->blank_owed_ = false;
        request.openIn(browser->page_);
        // The adopted page brings its own audio state.
        if (browser->muted_) browser->page_->setAudioMuted(true);
        return;
    }
    request.openIn(WebPage::open_in_own_window(page_->profile(), request.requestedGeometry()));
}

}  // namespace presslane
