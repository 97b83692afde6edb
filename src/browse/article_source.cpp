#include "browse/article_source.h"

#include "browse/browser.h"
#include "browse/browser_host.h"

namespace presslane {

std::string ArticleSource::article_address() const {
    return is_collected_page(main.location_url()) ? home_page : active_address();
}

std::string ArticleSource::active_address() const { return active().location_url(); }

}  // namespace presslane
