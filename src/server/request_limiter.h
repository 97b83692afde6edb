#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <string>

namespace presslane {

// Admits at most `max_requests` requests per client within any `window_seconds`; the rest are
// turned away until the oldest admitted one has left the window. Refused requests do not count.
// Clients that have been quiet for a whole window are forgotten, so the table stays as small as
// the set of recent clients. Not thread-safe: the caller serialises.
class RequestLimiter {
public:
    RequestLimiter(std::size_t max_requests, double window_seconds);

    // Whether the client's request at `now` (seconds on a steady clock) may go ahead; an admitted
    // request is counted.
    bool admit(const std::string& client, double now);

private:
    void forget_quiet_clients(double now);

    std::size_t max_requests_;
    double window_seconds_;
    double last_sweep_ = 0;
    std::map<std::string, std::deque<double>> admitted_;
};

}  // namespace presslane
