#include "common/qt/qt_dialogs.h"

#include <QMessageBox>

namespace presslane {
namespace {

QMessageBox::Icon to_qt(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Information:
            return QMessageBox::Information;
        case Dialogs::Icon::Question:
            return QMessageBox::Question;
        case Dialogs::Icon::Warning:
            return QMessageBox::Warning;
        case Dialogs::Icon::Critical:
            return QMessageBox::Critical;
        case Dialogs::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

void QtDialogs::message(const std::string& text, const std::string& title, Icon icon) {
    QMessageBox box(to_qt(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.setObjectName("MessageBox");
    box.exec();
}

bool QtDialogs::ask_yes_no(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName("MessageBox");
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace presslane
