// scored_bench.cpp -- kvrn_scored_bench: submissions and high-score pages per second, on loopback
//
// Usage: kvrn_scored_bench [seconds for the page measurement, default 3] [clients, default 20]
// The server runs in this process, as kvrn_scored runs it (same routes, same
// thread pool, its request log written to /dev/null), on a free loopback port
// with a fresh database. First 10,000 submissions with distinct names, each on
// its own connection as the saver sends them; then the high-score page over
// keep-alive connections, with those 10,000 scores stored.
#include <httplib.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "server/score_service.h"

typedef std::chrono::steady_clock Clock;

const int SUBMISSIONS = 10000;

static double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs work(client) on that many threads and waits for them.
template <class Work> static void OnClients(int clients, Work work) {
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) threads.emplace_back(work, c);
    for (std::thread &thread : threads) thread.join();
}

int main(int argc, char **argv) {
    const double pageSeconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    const int clients = argc > 2 ? std::atoi(argv[2]) : 20;
    if (pageSeconds <= 0.0 || clients < 1) {
        std::fputs("Usage: kvrn_scored_bench [seconds for the page measurement] [clients]\n", stderr);
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    char folder[] = "/tmp/kvrn-scored-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) return 1;
    const std::string db = std::string(folder) + "/scores.db";

    ScoreService service;
    service.limiter.perMinute = SUBMISSIONS * 2;
    service.log = std::fopen("/dev/null", "w");
    std::string error;
    if (!OpenScoreStore(service.store, db, error)) {
        std::fprintf(stderr, "kvrn_scored_bench: %s\n", error.c_str());
        return 1;
    }
    httplib::Server server;
    ServeScores(server, service);
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread listener([&] { server.listen_after_bind(); });
    while (!server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));

    std::atomic<int> failures{0};
    Clock::time_point start = Clock::now();
    OnClients(clients, [&](int client) {
        for (int i = client; i < SUBMISSIONS; i += clients) {
            httplib::Client connection("127.0.0.1", port);  // one connection per submission, as the saver
            const std::string path = "/kvrn/addscore.php?name=B" + std::to_string(i) +
                                     "&score=" + std::to_string(i * 7 % 100000) + "&ch=" + std::to_string(i % 3);
            auto result = connection.Get(path.c_str());
            if (!result || result->status != 200) ++failures;
        }
    });
    const double submissionSeconds = SecondsSince(start);

    std::atomic<int> pages{0};
    start = Clock::now();
    OnClients(clients, [&](int) {
        httplib::Client connection("127.0.0.1", port);
        connection.set_keep_alive(true);
        while (SecondsSince(start) < pageSeconds) {
            // Asking for compression as browsers do.
            auto result = connection.Get("/kvrn/hiscores.php", {{"Accept-Encoding", "gzip, deflate, br"}});
            if (result && result->status == 200 && result->body.size() > 10000)
                ++pages;
            else
                ++failures;
        }
    });
    const double pagesSecondsMeasured = SecondsSince(start);

    server.stop();
    listener.join();
    CloseScoreStore(service.store);
    unlink(db.c_str());
    rmdir(folder);

    std::printf("kvrn_scored_bench: %u cores, %d clients on loopback, server and clients in one process\n",
                std::thread::hardware_concurrency(), clients);
    std::printf("  submissions   %8.0f /s  (%d, one connection each, %.2f s)\n", SUBMISSIONS / submissionSeconds,
                SUBMISSIONS, submissionSeconds);
    std::printf("  page renders  %8.0f /s  (%d pages of 100 rows from %d stored scores, keep-alive, %.2f s)\n",
                pages / pagesSecondsMeasured, pages.load(), SUBMISSIONS, pagesSecondsMeasured);
    std::printf("  failed requests %d\n", failures.load());
    return failures == 0 ? 0 : 1;
}
