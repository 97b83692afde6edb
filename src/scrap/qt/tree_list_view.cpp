#include "scrap/qt/tree_list_view.h"

namespace presslane {

TreeListView::TreeListView(QTreeWidget* tree) : tree_(tree) {}

void TreeListView::clear() {
    if (tree_) tree_->clear();
}

void TreeListView::add_row(const ScrapRow& row) {
    if (!tree_) return;
    new QTreeWidgetItem(tree_, {QString::fromStdString(row.date), QString::fromStdString(row.title),
                                QString::fromStdString(row.address)});
}

int TreeListView::count() const { return tree_ ? tree_->topLevelItemCount() : 0; }

ScrapRow TreeListView::row(int index) const {
    const QTreeWidgetItem* item = tree_ ? tree_->topLevelItem(index) : nullptr;
    if (!item) return {};
    return {item->text(0).toStdString(), item->text(1).toStdString(), item->text(2).toStdString()};
}

int TreeListView::selected() const {
    if (!tree_) return -1;
    const QList<QTreeWidgetItem*> chosen = tree_->selectedItems();
    return chosen.isEmpty() ? -1 : tree_->indexOfTopLevelItem(chosen.front());
}

void TreeListView::remove_row(int index) {
    if (tree_) delete tree_->takeTopLevelItem(index);
}

}  // namespace presslane
