// score_service.cpp -- the three routes: store a submission, the page, the JSON
#include "server/score_service.h"

#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

#include "server/escaping.h"
#include "server/score_pages.h"
#include "server/submission_query.h"

// Enough that 20 keep-alive clients never wait for a free thread.
const size_t SERVER_THREADS = 32;
const size_t KEEP_ALIVE_REQUESTS = 100;

static const char PAGE_POLICY[] = "default-src 'none'; style-src 'unsafe-inline'";

static int64_t SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

static bool IsLoopback(const std::string &address) {
    return address.rfind("127.", 0) == 0 || address == "::1" || address.rfind("::ffff:127.", 0) == 0;
}

std::string ClientAddress(const httplib::Request &request) {
    const char *FORWARDED = "X-Forwarded-For";
    const size_t count = request.get_header_value_count(FORWARDED);
    if (count == 0 || !IsLoopback(request.remote_addr)) return request.remote_addr;
    const std::string forwarded = request.get_header_value(FORWARDED, count - 1);
    const size_t comma = forwarded.rfind(',');
    std::string last = forwarded.substr(comma == std::string::npos ? 0 : comma + 1);
    last.erase(0, last.find_first_not_of(' '));
    last.erase(last.find_last_not_of(' ') + 1);
    return last.empty() ? request.remote_addr : last;
}

// cpp-httplib compresses a body with brotli at its slowest setting whenever
// the client accepts it, which browsers do: 50 ms of processor time for one
// page. A body handed over by a provider of known length goes out as it is.
static void SetBody(httplib::Response &response, std::string content, const char *type) {
    auto body = std::make_shared<std::string>(std::move(content));
    response.set_content_provider(body->size(), type,
                                  [body](size_t offset, size_t length, httplib::DataSink &sink) {
                                      return sink.write(body->data() + offset, length);
                                  });
}

static void Answer(httplib::Response &response, int status, const std::string &text) {
    response.status = status;
    SetBody(response, text + "\n", "text/plain; charset=utf-8");
}

static void AddScoreRoute(ScoreService &service, const httplib::Request &request, httplib::Response &response) {
    // The library routes HEAD to the GET handler; a HEAD must not store anything.
    if (request.method != "GET") {
        response.set_header("Allow", "GET");
        return Answer(response, 405, "a score is submitted with GET");
    }
    Submission submission;
    const std::string reason = ParseSubmission(QueryOf(request.target), submission);
    const std::string client = ClientAddress(request);
    std::lock_guard<std::mutex> hold(service.lock);
    if (!AllowSubmission(service.limiter, client, SteadyMs())) {
        response.set_header("Retry-After", "60");
        return Answer(response, 429, "too many submissions from your address, try again in a minute");
    }
    if (!reason.empty()) return Answer(response, 400, reason);
    if (!AddScore(service.store, submission, std::time(nullptr), client))
        return Answer(response, 500, "the score could not be stored");
    Answer(response, 200, "score stored");
}

static bool ReadBest(ScoreService &service, int limit, std::vector<ScoreRow> &rows, httplib::Response &response) {
    std::lock_guard<std::mutex> hold(service.lock);
    if (BestScores(service.store, limit, rows)) return true;
    Answer(response, 500, "the scores could not be read");
    return false;
}

static void PageRoute(ScoreService &service, httplib::Response &response) {
    std::vector<ScoreRow> rows;
    if (!ReadBest(service, PAGE_ROWS, rows, response)) return;
    response.set_header("Content-Security-Policy", PAGE_POLICY);
    response.set_header("Cache-Control", "no-cache");
    SetBody(response, ScorePageHtml(rows), "text/html; charset=utf-8");
}

static void JsonRoute(ScoreService &service, const httplib::Request &request, httplib::Response &response) {
    QueryParameters parameters;
    if (!ParseQuery(QueryOf(request.target), parameters))
        return Answer(response, 400, "the query holds an invalid % sequence");
    int32_t limit = PAGE_ROWS;
    for (const auto &parameter : parameters)
        if (parameter.first == "limit" && (!ParseDecimal(parameter.second, MAX_JSON_ROWS, limit) || limit < 1))
            return Answer(response, 400, "limit must be 1 to 1000");
    std::vector<ScoreRow> rows;
    if (!ReadBest(service, limit, rows, response)) return;
    response.set_header("Cache-Control", "no-cache");
    SetBody(response, ScoreJson(rows), "application/json");
}

void ServeScores(httplib::Server &server, ScoreService &service) {
    server.new_task_queue = [] { return new httplib::ThreadPool(SERVER_THREADS); };
    server.set_keep_alive_max_count(KEEP_ALIVE_REQUESTS);
    server.set_tcp_nodelay(true);  // headers and body go out in two writes; Nagle would hold the second
    // The library's default, SO_REUSEPORT, lets a second server take the same
    // port and silently share the clients; SO_REUSEADDR only allows a quick restart.
    server.set_socket_options([](socket_t socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server.set_default_headers({{"X-Content-Type-Options", "nosniff"}});
    server.Get("/kvrn/addscore.php", [&service](const httplib::Request &request, httplib::Response &response) {
        AddScoreRoute(service, request, response);
    });
    server.Get("/kvrn/hiscores.php",
               [&service](const httplib::Request &, httplib::Response &response) { PageRoute(service, response); });
    server.Get("/kvrn/hiscores.json", [&service](const httplib::Request &request, httplib::Response &response) {
        JsonRoute(service, request, response);
    });
    server.set_logger([&service](const httplib::Request &request, const httplib::Response &response) {
        if (service.log == nullptr) return;
        std::fprintf(service.log, "%s %s %s %s %d\n", UtcTimeText(std::time(nullptr)).c_str(),
                     LogText(ClientAddress(request)).c_str(), LogText(request.method).c_str(),
                     LogText(request.target).c_str(), response.status);
    });
}
