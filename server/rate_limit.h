// rate_limit.h -- how many submissions one address may make in a minute
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>

const int64_t RATE_WINDOW_MS = 60000;

// Lives as long as the server; never reset. Addresses quiet for a whole
// window are swept out, so memory follows the addresses of the last minute.
struct RateLimiter {
    int perMinute = 30;
    std::unordered_map<std::string, std::deque<int64_t>> recent;  // times of allowed submissions
    int64_t nextSweepMs = 0;
};

// True, and counted, when the address made fewer than perMinute submissions
// in the minute before nowMs (a steady clock in milliseconds). Refused ones do
// not count, so a client that keeps trying still gets its share each minute.
bool AllowSubmission(RateLimiter &limiter, const std::string &address, int64_t nowMs);
