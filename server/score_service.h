// score_service.h -- the score server's HTTP routes over one store, shared by kvrn_scored and its benchmark
#pragma once

#include <httplib.h>

#include <cstdio>
#include <mutex>
#include <string>

#include "server/rate_limit.h"
#include "server/score_store.h"

const int MAX_JSON_ROWS = 1000;

// Lives as long as the server; never reset.
struct ScoreService {
    std::mutex lock;  // cpp-httplib answers on a pool of threads; the store and the limiter are shared
    ScoreStore store;
    RateLimiter limiter;
    FILE *log = nullptr;  // one line per request, or nothing when null
};

// The peer's address; for a reverse proxy on this machine, the address it
// appended last to X-Forwarded-For (the one it saw itself).
std::string ClientAddress(const httplib::Request &request);

// Routes /kvrn/addscore.php, /kvrn/hiscores.php and /kvrn/hiscores.json and
// sets the thread pool, the time-outs and the request log.
void ServeScores(httplib::Server &server, ScoreService &service);
