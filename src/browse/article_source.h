#pragma once

#include <functional>
#include <string>

namespace presslane {

class Browser;

// Where the article being read is: the main browser, the browser that is active at the moment of
// asking (the scrapbook preview while the scrapbook pane is shown) and the product's home page,
// which stands in for the collected newspaper pages of the maker's site.
struct ArticleSource {
    const Browser& main;
    std::function<const Browser&()> active;
    std::string home_page;

    // The address offered for the article: the home page while the main browser shows a collected
    // page, otherwise the active browser's address.
    std::string article_address() const;
    std::string active_address() const;
};

}  // namespace presslane
