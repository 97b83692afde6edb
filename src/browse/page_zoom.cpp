#include "browse/page_zoom.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/record_file.h"
#include "common/record_files.h"

namespace presslane {
namespace {

constexpr std::array<int, 17> kSteps = {25,  33,  50,  67,  75,  80,  90,  100, 110,
                                        125, 150, 175, 200, 250, 300, 400, 500};

// Only a size among the steps is taken from the file: anything else is a damaged line.
int read_last(const std::filesystem::path& file) {
    const std::string line = field(split_fields(RecordFile(file).first_line()), 1);
    for (int step : kSteps) {
        if (line == std::to_string(step)) return step;
    }
    return PageZoom::kNormal;
}

}  // namespace

PageZoom::PageZoom(std::filesystem::path app_folder)
    : file_(std::move(app_folder) / record_files::kZoom), last_(read_last(file_)) {}

std::string PageZoom::site_of(const std::string& address) {
    const auto scheme_end = address.find("://");
    const std::size_t host_start = scheme_end == std::string::npos ? 0 : scheme_end + 3;
    const std::size_t host_end = address.find_first_of("/?#", host_start);
    std::string site = address.substr(0, host_end);
    std::transform(site.begin(), site.end(), site.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return site;
}

int PageZoom::percent_for(const std::string& address) const {
    const auto found = sites_.find(site_of(address));
    return found == sites_.end() ? last_ : found->second;
}

int PageZoom::step(const std::string& address, int direction) {
    const int now = percent_for(address);
    int next = kNormal;
    if (direction > 0) {
        const auto larger = std::upper_bound(kSteps.begin(), kSteps.end(), now);
        next = larger == kSteps.end() ? kSteps.back() : *larger;
    } else if (direction < 0) {
        const auto smaller = std::lower_bound(kSteps.begin(), kSteps.end(), now);
        next = smaller == kSteps.begin() ? kSteps.front() : *(smaller - 1);
    }
    sites_[site_of(address)] = next;
    if (next != last_) {
        last_ = next;
        // A size that cannot be saved still holds for this run.
        RecordFile(file_).rewrite({{std::to_string(next)}});
    }
    return next;
}

}  // namespace presslane
