#pragma once

#include <filesystem>
#include <string>

namespace presslane {

class EventPump;
class Inet;

// Fetches the verified channel list from `address` with the transfer component and stores the
// body of a "200" answer followed by one CR LF in `file`, byte for byte as received. Any failure,
// any other status or an empty body leaves a list of one empty line. Window events run while the
// request is on its way.
void refresh_verified_list(Inet& inet, EventPump& pump, const std::string& address,
                           const std::filesystem::path& file);

}  // namespace presslane
