#include "common/qt/check_box_control.h"

#include <QAbstractButton>

namespace presslane {

CheckBoxControl::CheckBoxControl(QAbstractButton* button) : button_(button) {}

bool CheckBoxControl::checked() const { return button_ && button_->isChecked(); }

void CheckBoxControl::set_checked(bool checked) {
    if (button_) button_->setChecked(checked);
}

}  // namespace presslane
