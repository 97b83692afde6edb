#include "bookmarks/qt/widget_list_box.h"

namespace presslane {

WidgetListBox::WidgetListBox(QListWidget* list)
    : list_(list), model_(list ? list->model() : nullptr) {}

WidgetListBox::WidgetListBox(QComboBox* combo)
    : combo_(combo), model_(combo ? combo->model() : nullptr) {}

template <typename Change>
void WidgetListBox::keeping_text(Change change) {
    const QString typed = combo_->currentText();
    change();
    if (combo_->isEditable()) combo_->setEditText(typed);
}

void WidgetListBox::clear() {
    if (list_) list_->clear();
    if (combo_) keeping_text([this] { combo_->clear(); });
}

void WidgetListBox::add_item(const std::string& text) {
    const QString item = QString::fromStdString(text);
    if (list_) list_->addItem(item);
    // The first item added to an empty box would otherwise become its text.
    if (combo_) keeping_text([this, &item] { combo_->addItem(item); });
}

int WidgetListBox::count() const { return model_ ? model_->rowCount() : 0; }

std::string WidgetListBox::item(int index) const {
    return index >= 0 && index < count() ? model_->index(index, 0).data().toString().toStdString()
                                         : std::string();
}

int WidgetListBox::selected() const {
    if (combo_) return combo_->currentIndex();
    if (!list_) return -1;
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    return chosen.isEmpty() ? -1 : list_->row(chosen.front());
}

void WidgetListBox::remove_item(int index) {
    if (index >= 0 && index < count()) model_->removeRow(index);
}

}  // namespace presslane
