#pragma once

#include <string>
#include <vector>

#include "bookmarks/list_box.h"
#include "scrap/list_view.h"

namespace presslane {

// A list box that is just its items and a selection.
struct FakeListBox : ListBox {
    void clear() override {
        items.clear();
        sel = -1;
    }
    void add_item(const std::string& text) override { items.push_back(text); }
    int count() const override { return static_cast<int>(items.size()); }
    std::string item(int i) const override { return in(i) ? items[i] : std::string(); }
    int selected() const override { return sel; }
    void remove_item(int i) override {
        if (!in(i)) return;
        items.erase(items.begin() + i);
        sel = -1;
    }
    bool in(int i) const { return i >= 0 && i < count(); }

    std::vector<std::string> items;
    int sel = -1;
};

// A report list that is just its rows and a selection.
struct FakeListView : ListView {
    void clear() override {
        rows.clear();
        sel = -1;
    }
    void add_row(const ScrapRow& r) override { rows.push_back(r); }
    int count() const override { return static_cast<int>(rows.size()); }
    ScrapRow row(int i) const override { return in(i) ? rows[i] : ScrapRow{}; }
    int selected() const override { return sel; }
    void remove_row(int i) override {
        if (!in(i)) return;
        rows.erase(rows.begin() + i);
        sel = -1;
    }
    bool in(int i) const { return i >= 0 && i < count(); }

    std::vector<ScrapRow> rows;
    int sel = -1;
};

}  // namespace presslane
