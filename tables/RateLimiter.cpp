#include "tables/RateLimiter.h"

#include <algorithm>

namespace corvane::tables {

bool RateLimiter::allow(const std::string& address, Clock::time_point now) {
    if (counts_.size() >= sweepAt_) {
        forgetQuiet(now);
    }
    auto [it, added] = counts_.try_emplace(address, Count{now, 0, {}});
    Count& count = it->second;
    if (now < count.refusedUntil) {
        return false;
    }
    if (now - count.windowStart >= limits_.window) {
        count.windowStart = now;
        count.requests = 0;
    }
    if (++count.requests > limits_.requests) {
        count.refusedUntil = now + limits_.refusedFor;
        return false;
    }
    return true;
}

void RateLimiter::forgetQuiet(Clock::time_point now) {
    std::erase_if(counts_, [&](const auto& entry) {
        const Count& count = entry.second;
        return now >= count.refusedUntil && now - count.windowStart >= limits_.window;
    });
    sweepAt_ = std::max(initialSweep, 2 * counts_.size());
}

} // namespace corvane::tables
