#include "common/qt/combo_items.h"

#include <QComboBox>

namespace presslane {

ComboItems::ComboItems(QComboBox* combo) : combo_(combo) {}

void ComboItems::clear() {
    if (combo_) combo_->clear();
}

void ComboItems::add_item(const std::string& text) {
    if (!combo_) return;
    const QString shown = combo_->currentText();
    const bool none = combo_->currentIndex() < 0;
    combo_->addItem(QString::fromStdString(text));
    if (combo_->isEditable()) {
        combo_->setEditText(shown);
    } else if (none) {
        combo_->setCurrentIndex(-1);
    }
}

std::vector<std::string> ComboItems::items() const {
    std::vector<std::string> out;
    if (!combo_) return out;
    for (int i = 0; i < combo_->count(); ++i) out.push_back(combo_->itemText(i).toStdString());
    return out;
}

}  // namespace presslane
