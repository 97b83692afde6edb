#pragma once

#include <string>
#include <vector>

namespace presslane {

// The entries of a list or combo box. The combo box's own text is its Control caption.
class ItemList {
public:
    virtual ~ItemList() = default;
    virtual void clear() = 0;
    virtual void add_item(const std::string& text) = 0;
    virtual std::vector<std::string> items() const = 0;
};

}  // namespace presslane
