#include "bookmarks/qt/widget_list_box.h"

namespace presslane {

WidgetListBox::WidgetListBox(QListWidget* list) : list_(list) {}

void WidgetListBox::clear() {
    if (list_) list_->clear();
}

void WidgetListBox::add_item(const std::string& text) {
    if (list_) list_->addItem(QString::fromStdString(text));
}

int WidgetListBox::count() const { return list_ ? list_->count() : 0; }

std::string WidgetListBox::item(int index) const {
    const QListWidgetItem* it = list_ ? list_->item(index) : nullptr;
    return it ? it->text().toStdString() : std::string();
}

int WidgetListBox::selected() const {
    if (!list_) return -1;
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    return chosen.isEmpty() ? -1 : list_->row(chosen.front());
}

void WidgetListBox::remove_item(int index) {
    if (list_ && index >= 0 && index < list_->count()) delete list_->takeItem(index);
}

ComboListBox::ComboListBox(QComboBox* combo) : combo_(combo) {}

void ComboListBox::keep_text(const QString& text) {
    if (combo_->isEditable()) combo_->setEditText(text);
}

void ComboListBox::clear() {
    if (!combo_) return;
    const QString text = combo_->currentText();
    combo_->clear();
    keep_text(text);
}

void ComboListBox::add_item(const std::string& text) {
    if (!combo_) return;
    // The first item added to an empty box would become its text.
    const QString typed = combo_->currentText();
    combo_->addItem(QString::fromStdString(text));
    keep_text(typed);
}

int ComboListBox::count() const { return combo_ ? combo_->count() : 0; }

std::string ComboListBox::item(int index) const {
    return combo_ && index >= 0 && index < combo_->count() ? combo_->itemText(index).toStdString()
                                                           : std::string();
}

int ComboListBox::selected() const { return combo_ ? combo_->currentIndex() : -1; }

void ComboListBox::remove_item(int index) {
    if (combo_ && index >= 0 && index < combo_->count()) combo_->removeItem(index);
}

}  // namespace presslane
