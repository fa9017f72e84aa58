// scored_main.cpp -- kvrn_scored: the high-score server that the saver's "Submit High Score!" button talks to
#include <httplib.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <string>
#include <thread>

#include "server/score_service.h"

static const char USAGE[] =
    "Usage: kvrn_scored [--port N] [--db FILE] [--bind ADDR] [--rate N]\n"
    "  --port N     TCP port to listen on (default 80; 0 picks a free one)\n"
    "  --db FILE    SQLite database, created when missing (default kvrn-scores.db in the working directory)\n"
    "  --bind ADDR  address to listen on (default 0.0.0.0, every IPv4 interface)\n"
    "  --rate N     submissions a minute from one address, valid or not (default 30); more get 429\n"
    "  --help       this text\n"
    "Serves GET /kvrn/addscore.php?name=..&score=..&ch=.., /kvrn/hiscores.php and /kvrn/hiscores.json?limit=N,\n"
    "logs one line per request to standard output and stops cleanly on SIGINT or SIGTERM.\n";

struct Options {
    int port = 80;
    std::string bind = "0.0.0.0";
    std::string db = "kvrn-scores.db";
    int rate = 30;
};

static bool ParseNumber(const char *text, long low, long high, int &value) {
    char *end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || number < low || number > high) return false;
    value = static_cast<int>(number);
    return true;
}

// 0 to run, 1 after --help, -1 for a wrong command line.
static int ParseOptions(int argc, char **argv, Options &options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") return 1;
        if (i + 1 >= argc) return -1;
        const char *value = argv[++i];
        if (option == "--port") {
            if (!ParseNumber(value, 0, 65535, options.port)) return -1;
        } else if (option == "--rate") {
            if (!ParseNumber(value, 1, 1000000, options.rate)) return -1;
        } else if (option == "--db") {
            options.db = value;
        } else if (option == "--bind") {
            options.bind = value;
        } else {
            return -1;
        }
    }
    return 0;
}

int main(int argc, char **argv) {
    Options options;
    const int parsed = ParseOptions(argc, argv, options);
    if (parsed != 0) {
        std::fputs(USAGE, parsed > 0 ? stdout : stderr);
        return parsed > 0 ? 0 : 2;
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);

    // The signals are taken by one waiting thread, never in the middle of a
    // request; every thread started from here on inherits the mask. A client
    // that closes before reading its answer must not kill the server (SIGPIPE).
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    ScoreService service;
    service.limiter.perMinute = options.rate;
    service.log = stdout;
    std::string error;
    if (!OpenScoreStore(service.store, options.db, error)) {
        std::fprintf(stderr, "kvrn_scored: %s\n", error.c_str());
        return 1;
    }

    httplib::Server server;
    ServeScores(server, service);
    int port = options.port;
    const bool bound = port == 0 ? (port = server.bind_to_any_port(options.bind)) > 0
                                 : server.bind_to_port(options.bind, port);
    if (!bound) {
        std::fprintf(stderr, "kvrn_scored: cannot listen on %s:%d: %s\n", options.bind.c_str(), options.port,
                     std::strerror(errno));
        CloseScoreStore(service.store);
        return 1;
    }
    std::printf("kvrn_scored: listening on %s:%d, database %s\n", options.bind.c_str(), port, options.db.c_str());

    // A signal may come before listening has begun, when stop() would do
    // nothing yet; the waiter stops the server once it runs (or has ended).
    std::promise<void> listenEnded;
    std::future<void> ended = listenEnded.get_future();
    std::atomic<int> stopSignal{0};
    std::thread waiter([&] {
        int signalNumber = 0;
        sigwait(&stopSignals, &signalNumber);
        stopSignal = signalNumber;
        while (!server.is_running() && ended.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        }
        server.stop();
    });
    server.listen_after_bind();  // returns after stop(), with every request answered
    listenEnded.set_value();
    const int signalled = stopSignal;
    if (signalled == 0) kill(getpid(), SIGTERM);  // wakes the waiter; the mask keeps the signal pending
    waiter.join();

    std::lock_guard<std::mutex> hold(service.lock);
    CloseScoreStore(service.store);
    if (signalled == 0) {
        std::fprintf(stderr, "kvrn_scored: the server stopped listening on its own\n");
        return 1;
    }
    std::printf("kvrn_scored: stopped by %s, every stored score is in %s\n", strsignal(signalled),
                options.db.c_str());
    return 0;
}
