#include "common/qt/widget_control.h"

#include <cmath>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace presslane {

namespace {

QString from_utf8(const std::string& text) { return QString::fromStdString(text); }

// A window's width and height are its outer frame's, as the saved window geometry expects; the
// frame is whatever the window manager added around the client area (nothing before it is shown).
QSize frame_extra(const QWidget& widget) {
    if (!widget.isWindow()) return {0, 0};
    return widget.frameGeometry().size() - widget.size();
}

}  // namespace

WidgetControl::WidgetControl(QWidget* widget) : widget_(widget) {}

int WidgetControl::to_pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

bool WidgetControl::visible() const {
    // isVisible() would read false for every control of a window that is not shown yet (or is
    // minimised to the tray); the controllers ask whether the control itself is shown.
    return widget_ && !widget_->isHidden();
}

void WidgetControl::set_visible(bool visible) {
    if (widget_) widget_->setVisible(visible);
}

int WidgetControl::left() const { return widget_ ? to_twips(widget_->pos().x()) : 0; }

int WidgetControl::top() const { return widget_ ? to_twips(widget_->pos().y()) : 0; }

int WidgetControl::width() const {
    return widget_ ? to_twips(widget_->width() + frame_extra(*widget_).width()) : 0;
}

int WidgetControl::height() const {
    return widget_ ? to_twips(widget_->height() + frame_extra(*widget_).height()) : 0;
}

// QWidget::pos()/move() already mean the frame's position for a window and the position in the
// parent for a child, so left and top need no window case.
void WidgetControl::set_left(int twips) {
    if (widget_) widget_->move(to_pixels(twips), widget_->pos().y());
}

void WidgetControl::set_top(int twips) {
    if (widget_) widget_->move(widget_->pos().x(), to_pixels(twips));
}

// The layout pass computes negative sizes while the window is tiny; those are dropped so the
// control keeps its last good size until the next pass.
void WidgetControl::set_width(int twips) {
    if (!widget_ || twips < 0) return;
    const int client = to_pixels(twips) - frame_extra(*widget_).width();
    widget_->resize(client < 0 ? 0 : client, widget_->height());
}

void WidgetControl::set_height(int twips) {
    if (!widget_ || twips < 0) return;
    const int client = to_pixels(twips) - frame_extra(*widget_).height();
    widget_->resize(widget_->width(), client < 0 ? 0 : client);
}

std::string WidgetControl::caption() const {
    if (!widget_) return {};
    QWidget* w = widget_;
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText().toStdString();
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title().toStdString();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) return plain->toPlainText().toStdString();
    if (auto* rich = qobject_cast<QTextEdit*>(w)) return rich->toPlainText().toStdString();
    // Windows show it in their title bar; any other widget keeps it so a caption set on a control
    // without text reads back unchanged.
    return w->windowTitle().toStdString();
}

void WidgetControl::set_caption(const std::string& text) {
    if (!widget_) return;
    QWidget* w = widget_;
    const QString value = from_utf8(text);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(value);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // A drop-down list without an edit field can only show one of its items: a text that is
        // not among them leaves the selection as it was.
        if (combo->isEditable())
            combo->setEditText(value);
        else
            combo->setCurrentText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(value);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->setPlainText(value);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->setPlainText(value);
    } else {
        w->setWindowTitle(value);
    }
}

std::string WidgetControl::tooltip() const {
    return widget_ ? widget_->toolTip().toStdString() : std::string();
}

void WidgetControl::set_tooltip(const std::string& text) {
    if (widget_) widget_->setToolTip(from_utf8(text));
}

}  // namespace presslane
