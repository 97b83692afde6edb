#include "server/request_limiter.h"

namespace presslane {

RequestLimiter::RequestLimiter(std::size_t max_requests, double window_seconds)
    : max_requests_(max_requests), window_seconds_(window_seconds) {}

bool RequestLimiter::admit(const std::string& client, double now) {
    if (now - last_sweep_ >= window_seconds_) forget_quiet_clients(now);
    std::deque<double>& times = admitted_[client];
    while (!times.empty() && now - times.front() >= window_seconds_) times.pop_front();
    if (times.size() >= max_requests_) return false;
    times.push_back(now);
    return true;
}

void RequestLimiter::forget_quiet_clients(double now) {
    last_sweep_ = now;
    std::erase_if(admitted_, [&](const auto& entry) {
        return entry.second.empty() || now - entry.second.back() >= window_seconds_;
    });
}

}  // namespace presslane
