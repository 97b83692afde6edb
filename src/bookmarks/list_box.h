#pragma once

#include <string>

namespace presslane {

// A list of texts (a list box, or the drop-down list of a combo box) as the controllers see it.
// Items are numbered from 0.
class ListBox {
public:
    virtual ~ListBox() = default;
    virtual void clear() = 0;
    virtual void add_item(const std::string& text) = 0;
    virtual int count() const = 0;
    // The item at that index; "" outside the list.
    virtual std::string item(int index) const = 0;
    // The selected item's index, or -1 when nothing is selected.
    virtual int selected() const = 0;
    // Removes the item at that index; nothing outside the list.
    virtual void remove_item(int index) = 0;
};

}  // namespace presslane
