#pragma once

#include <string>
#include <vector>

#include "common/check_box.h"
#include "common/item_list.h"

namespace presslane {

// The entries of a combo box, as a plain vector.
struct FakeItemList : ItemList {
    void clear() override { entries.clear(); }
    void add_item(const std::string& text) override { entries.push_back(text); }
    std::vector<std::string> items() const override { return entries; }
    std::vector<std::string> entries;
};

struct FakeCheckBox : CheckBox {
    bool checked() const override { return value; }
    void set_checked(bool c) override { value = c; }
    bool value = false;
};

}  // namespace presslane
