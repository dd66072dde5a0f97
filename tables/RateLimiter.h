#pragma once
// Too many requests from one address are refused for a while, so that one
// device on the venue's network cannot keep the program busy.
#include <chrono>
#include <cstddef>
#include <string>
#include <unordered_map>

namespace corvane::tables {

using Clock = std::chrono::steady_clock;

struct RateLimits {
    int requests = 120;                  // allowed per window
    std::chrono::seconds window{10};     // counted over
    std::chrono::seconds refusedFor{60}; // once over the limit
};

class RateLimiter {
public:
    explicit RateLimiter(RateLimits limits = {}) : limits_(limits) {}

    // Counts a request from `address` at `now`; false when it is to be refused.
    bool allow(const std::string& address, Clock::time_point now);

private:
    struct Count {
        Clock::time_point windowStart;
        int requests = 0;
        Clock::time_point refusedUntil;
    };
    // Forgets addresses quiet for a whole window, so memory follows the
    // devices in use rather than every address ever seen.
    void forgetQuiet(Clock::time_point now);

    RateLimits limits_;
    std::unordered_map<std::string, Count> counts_;
    std::size_t sweepAt_ = initialSweep;
    static constexpr std::size_t initialSweep = 256;
};

} // namespace corvane::tables
