#pragma once

#include <QPointer>

#include "common/check_box.h"

class QAbstractButton;

namespace presslane {

// The check-box port over a checkable button (not owned). Setting the value emits no click, so
// only the user's clicks reach the box's handler.
class CheckBoxControl : public CheckBox {
public:
    explicit CheckBoxControl(QAbstractButton* button);
    bool checked() const override;
    void set_checked(bool checked) override;

private:
    QPointer<QAbstractButton> button_;
};

}  // namespace presslane
