// rate_limit.cpp -- a sliding one-minute window of submission times per address
#include "server/rate_limit.h"

static void DropExpired(std::deque<int64_t> &times, int64_t nowMs) {
    while (!times.empty() && nowMs - times.front() >= RATE_WINDOW_MS) times.pop_front();
}

bool AllowSubmission(RateLimiter &limiter, const std::string &address, int64_t nowMs) {
    if (nowMs >= limiter.nextSweepMs) {
        for (auto entry = limiter.recent.begin(); entry != limiter.recent.end();) {
            DropExpired(entry->second, nowMs);
            entry = entry->second.empty() ? limiter.recent.erase(entry) : std::next(entry);
        }
        limiter.nextSweepMs = nowMs + RATE_WINDOW_MS;
    }
    std::deque<int64_t> &times = limiter.recent[address];
    DropExpired(times, nowMs);
    if (static_cast<int64_t>(times.size()) >= limiter.perMinute) return false;
    times.push_back(nowMs);
    return true;
}
