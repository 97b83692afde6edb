#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace presslane {

// The page size of the main window's browsers, in percent: kept per site (scheme, host and port)
// for the run, and the last size chosen is the size of every site not zoomed yet in this run. The
// last size is remembered across runs in its own record file of the application folder; a file
// that cannot be read or holds no size from the steps reads as the normal size.
class PageZoom {
public:
    static constexpr int kNormal = 100;

    explicit PageZoom(std::filesystem::path app_folder);

    // The size a page at this address is shown at.
    int percent_for(const std::string& address) const;
    // The next larger (direction > 0) or smaller (direction < 0) step from the site's size, or
    // the normal size (direction 0): kept for the site and as the last size, and written to the
    // file. Returns the new size; at either end of the steps the size stays.
    int step(const std::string& address, int direction);

    // The site an address belongs to: its scheme, host and port, in lower case.
    static std::string site_of(const std::string& address);

private:
    std::filesystem::path file_;
    std::map<std::string, int> sites_;
    int last_ = kNormal;
};

}  // namespace presslane
