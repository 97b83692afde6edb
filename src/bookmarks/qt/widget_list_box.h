#pragma once

#include <QAbstractItemModel>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>

#include "bookmarks/list_box.h"

namespace presslane {

// The list-box port over a QListWidget, or over the drop-down list of a QComboBox (neither owned).
// Changing a combo box's list leaves the text typed into an editable box as it was.
class WidgetListBox : public ListBox {
public:
    explicit WidgetListBox(QListWidget* list);
    explicit WidgetListBox(QComboBox* combo);

    void clear() override;
    void add_item(const std::string& text) override;
    int count() const override;
    std::string item(int index) const override;
    int selected() const override;
    void remove_item(int index) override;

private:
    // Runs change on the combo box and puts back the text it had before.
    template <typename Change>
    void keeping_text(Change change);

    QPointer<QListWidget> list_;
    QPointer<QComboBox> combo_;
    // The items of either, as rows of one column.
    QPointer<QAbstractItemModel> model_;
};

}  // namespace presslane
