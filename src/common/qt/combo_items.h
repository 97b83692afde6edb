#pragma once

#include <QPointer>

#include "common/item_list.h"

class QComboBox;

namespace presslane {

// The entries of a combo box. Adding an entry leaves the box's text as it was, as a list that is
// filled in the background must not pick a channel by itself.
class ComboItems : public ItemList {
public:
    explicit ComboItems(QComboBox* combo);
    void clear() override;
    void add_item(const std::string& text) override;
    std::vector<std::string> items() const override;

private:
    QPointer<QComboBox> combo_;
};

}  // namespace presslane
