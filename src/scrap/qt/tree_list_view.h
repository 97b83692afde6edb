#pragma once

#include <QPointer>
#include <QTreeWidget>

#include "scrap/list_view.h"

namespace presslane {

// The scrapbook list port over a QTreeWidget (not owned) in report style: the item text in column
// 0, sub-items 1 and 2 in columns 1 and 2.
class TreeListView : public ListView {
public:
    explicit TreeListView(QTreeWidget* tree);

    void clear() override;
    void add_row(const ScrapRow& row) override;
    int count() const override;
    ScrapRow row(int index) const override;
    int selected() const override;
    void remove_row(int index) override;

private:
    QPointer<QTreeWidget> tree_;
};

}  // namespace presslane
