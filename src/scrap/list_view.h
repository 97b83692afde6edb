#pragma once

#include <string>

namespace presslane {

// One row of the scrapbook list: the item text and its two sub-items.
struct ScrapRow {
    std::string date;
    std::string title;
    std::string address;

    bool operator==(const ScrapRow&) const = default;
};

// A report-style list of scraps as the controllers see it. Rows are numbered from 0 in list order.
class ListView {
public:
    virtual ~ListView() = default;
    virtual void clear() = 0;
    virtual void add_row(const ScrapRow& row) = 0;
    virtual int count() const = 0;
    // The row at that index; an empty row outside the list.
    virtual ScrapRow row(int index) const = 0;
    // The selected row's index, or -1 when nothing is selected.
    virtual int selected() const = 0;
    // Removes the row at that index; nothing outside the list.
    virtual void remove_row(int index) = 0;
};

}  // namespace presslane
