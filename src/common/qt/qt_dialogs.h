#pragma once

#include <QPointer>
#include <QWidget>

#include "common/dialogs.h"

namespace presslane {

// Message boxes over the program's windows. Boxes are modal to the application: the UI thread
// runs a nested event loop while one is open.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr);
    void set_parent(QWidget* parent) { parent_ = parent; }

    void message(const std::string& text, const std::string& title, Icon icon) override;
    bool ask_yes_no(const std::string& text, const std::string& title) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace presslane
