#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QPointer>

#include "bookmarks/list_box.h"

namespace presslane {

// The list-box port over a QListWidget (not owned).
class WidgetListBox : public ListBox {
public:
    explicit WidgetListBox(QListWidget* list);

    void clear() override;
    void add_item(const std::string& text) override;
    int count() const override;
    std::string item(int index) const override;
    int selected() const override;
    void remove_item(int index) override;

private:
    QPointer<QListWidget> list_;
};

// The list-box port over the drop-down list of a QComboBox (not owned). Changing the list leaves
// the text typed into an editable box as it was.
class ComboListBox : public ListBox {
public:
    explicit ComboListBox(QComboBox* combo);

    void clear() override;
    void add_item(const std::string& text) override;
    int count() const override;
    std::string item(int index) const override;
    int selected() const override;
    void remove_item(int index) override;

private:
    void keep_text(const QString& text);

    QPointer<QComboBox> combo_;
};

}  // namespace presslane
