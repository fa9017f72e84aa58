// server_test.cpp -- the score server's parts: submission checks, code page, escaping, rate limit, SQLite store
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <tuple>

#include "server/escaping.h"
#include "server/rate_limit.h"
#include "server/score_pages.h"
#include "server/score_service.h"
#include "server/score_store.h"
#include "server/submission_query.h"
#include "server/windows1252.h"

namespace {

#define TEN_E_ACUTE "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"

TEST(ServerQuery, SubmissionsAreCheckedAtEveryBoundaryAndNamesDecodedFromTheSaversCodePage) {
    const struct { const char *query, *name; int32_t score, character; } valid[] = {
        {"name=A&score=0&ch=0",                               "A",                          0,          0},
        {"name=ABCDEFGHIJ&score=2147483647&ch=2",             "ABCDEFGHIJ",                 2147483647, 2},
        {"ch=1&score=7&extra=x&name=Zo%EB+%80",               "Zo\xC3\xAB \xE2\x82\xAC", 7,          1},
        {"name=%E9%E9%E9%E9%E9%E9%E9%E9%E9%E9&score=1&ch=0",  TEN_E_ACUTE,                  1,          0},
        {"name=%27%3BDROP--&score=1&ch=0",                    "';DROP--",                   1,          0},
    };
    for (const auto &c : valid) {
        Submission s{"unset", -5, -5};
        EXPECT_EQ(ParseSubmission(c.query, s), "") << c.query;
        EXPECT_EQ(std::tie(s.name, s.score, s.character), std::make_tuple(c.name, c.score, c.character)) << c.query;
    }
    // Each bad value last in an otherwise valid query (a '%' at the very end must not read past it).
    const struct { const char *rest, *field, *reason; std::vector<const char *> values; } invalid[] = {
        {"name=A&ch=0",   "score", "score",     {"-1", "2147483648", "99999999999999999999", ""}},
        {"name=A&score=1", "ch",   "ch",        {"-1", "3", "01"}},
        {"score=1&ch=0",  "name",  "name",      {"", "ABCDEFGHIJK", "A%1F", "A%7F", "A%81", "A%00"}},
        {"score=1&ch=0",  "name",  "the query", {"A%G1", "A%4", "A%"}},
        {"score=1&name=A&name=B", "ch", "name", {"0"}},  // given twice
        {"score=1",       "ch",    "name",      {"0"}},  // missing
    };
    for (const auto &c : invalid)
        for (const char *value : c.values) {
            const std::string query = std::string(c.rest) + "&" + c.field + "=" + value;
            Submission s;
            const std::string reason = ParseSubmission(query, s);
            EXPECT_EQ(reason.rfind(c.reason, 0), 0u) << query << ": " << reason;
        }
}

TEST(ServerText, Windows1252BecomesUtf8AndJsonPageAndLogShowEachNameEscaped) {
    const std::pair<const char *, const char *> codePage[] = {
        {"\xE9", "\xC3\xA9"}, {"\x80", "\xE2\x82\xAC"}, {"\xFC", "\xC3\xBC"}, {"\x9F", "\xC5\xB8"}, {"a~", "a~"},
    };
    for (const auto &c : codePage) EXPECT_EQ(Windows1252ToUtf8(c.first), c.second) << c.first;

    EXPECT_EQ(HtmlEscape("<b a=\"1\" b='2'>&</b>"), "&lt;b a=&quot;1&quot; b=&#39;2&#39;&gt;&amp;&lt;/b&gt;");
    EXPECT_EQ(JsonString("a\"\\\n</script>&"), "\"a\\\"\\\\\\u000a\\u003c/script\\u003e\\u0026\"");
    EXPECT_EQ(LogText("a\r\nb\\\x7F\xE9"), "a\\x0D\\x0Ab\\x5C\\x7F\\xE9");

    // The JSON and the page show each row with its character and its name escaped.
    const std::vector<ScoreRow> rows = {{"ZED", 1250, 2, 1796551200}, {"<i>x", 5, 0, 0}};
    EXPECT_EQ(ScoreJson(rows), "[{\"rank\":1,\"name\":\"ZED\",\"score\":1250,\"character\":2,\"time\":"
                               "\"2026-12-06T10:00:00Z\"},{\"rank\":2,\"name\":\"\\u003ci\\u003ex\",\"score\":5,"
                               "\"character\":0,\"time\":\"1970-01-01T00:00:00Z\"}]");
    const std::string page = ScorePageHtml(rows);
    EXPECT_NE(page.find(">1</span></td><td class=\"name\">ZED</td><td class=\"score\">1250</td><td>General Vashk, evil "
                        "Ape</td><td class=\"date\">2026-12-06</td>"),
              std::string::npos);
    EXPECT_EQ(page.find("<i"), std::string::npos);  // the row itself is in the browser test
}

TEST(ServerRateLimit, AnAddressGetsItsShareEachMinuteAndOthersAreNotCharged) {
    RateLimiter limiter;
    limiter.perMinute = 2;
    const struct { const char *address; int64_t ms; bool allowed; } steps[] = {
        {"a", 1000, true},  {"a", 2000, true},  {"a", 3000, false}, {"b", 3000, true},
        {"a", 60999, false}, {"a", 61000, true}, {"a", 61500, false}, {"a", 62000, true},
    };
    for (const auto &step : steps)
        EXPECT_EQ(AllowSubmission(limiter, step.address, step.ms), step.allowed) << step.address << " " << step.ms;
    EXPECT_EQ(limiter.recent.count("b"), 1u);
    AllowSubmission(limiter, "c", 200000);  // a minute after b's last: b is swept out
    EXPECT_EQ(limiter.recent.count("b"), 0u);

    // The address charged: a proxy on this machine names the client, others cannot.
    httplib::Request request;
    request.remote_addr = "127.0.0.1";
    EXPECT_EQ(ClientAddress(request), "127.0.0.1");
    request.headers.emplace("X-Forwarded-For", "10.9.9.9, 203.0.113.7 ");
    EXPECT_EQ(ClientAddress(request), "203.0.113.7");
    request.remote_addr = "198.51.100.2";
    EXPECT_EQ(ClientAddress(request), "198.51.100.2");
}

class ServerStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenScoreStore(store, path, error)) << error; }
    void TearDown() override {
        CloseScoreStore(store);
        for (const char *suffix : {"", "-wal", "-shm"}) unlink((path + suffix).c_str());
    }
    std::string Best(int limit = 10) {  // "name:score@time " per row
        std::vector<ScoreRow> rows;
        EXPECT_TRUE(BestScores(store, limit, rows));
        std::string text;
        for (const ScoreRow &r : rows)
            text += r.name + ":" + std::to_string(r.score) + "@" + std::to_string(r.time) + " ";
        return text;
    }
    void Exec(const char *sql) { ASSERT_EQ(sqlite3_exec(store.db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; }
    ScoreStore store;
    const std::string path = "/tmp/kvrn-store-test-" + std::to_string(getpid()) + ".db";
    std::string error;
};

TEST_F(ServerStore, KeepsTheBestScoreOfEachNameEarliestFirstOnTiesAndEveryScoreAcrossARestart) {
    const std::string hostile = "x'); DROP TABLE scores; --";
    // name, score, time: ann's 40 is lower; abe's 70 ties bob's later, so it ranks below despite its name; ann's
    // 50s at 5 and 9 tie her own later, so the first stays, and the one at 5 takes its place when it goes.
    // "Ann" is another name.
    for (const auto &[name, score, time] : std::vector<std::tuple<std::string, int32_t, int64_t>>{
             {"ann", 50, 1}, {"bob", 70, 2}, {"ann", 40, 3}, {"abe", 70, 4}, {"ann", 50, 5}, {"ann", 50, 9},
             {"Ann", 90, 6}, {hostile, 3, 7}, {"\"%s\\", 2, 8}})
        ASSERT_TRUE(AddScore(store, {name, score, 1}, time, "")) << name;
    CloseScoreStore(store);
    ASSERT_TRUE(OpenScoreStore(store, path, error)) << error;
    EXPECT_EQ(Best(), "Ann:90@6 bob:70@2 abe:70@4 ann:50@1 " + hostile + ":3@7 \"%s\\:2@8 ");
    EXPECT_EQ(Best(2), "Ann:90@6 bob:70@2 ");
    Exec("DELETE FROM scores WHERE name = 'bob'");  // a cheat taken out by hand
    Exec("DELETE FROM scores WHERE name = 'ann' AND time = 1");
    EXPECT_EQ(Best(3), "Ann:90@6 abe:70@4 ann:50@5 ");
}

TEST_F(ServerStore, RefusesADatabaseOfANewerSchemaOrOfAnotherProgram) {
    Exec("PRAGMA user_version = 2");
    CloseScoreStore(store);
    EXPECT_FALSE(OpenScoreStore(store, path, error));
    EXPECT_NE(error.find("schema version 2"), std::string::npos) << error;
    ASSERT_EQ(sqlite3_open(path.c_str(), &store.db), SQLITE_OK);
    Exec("PRAGMA user_version = 0; DROP TABLE scores; DROP TABLE best; CREATE TABLE notes(text)");  // someone else's
    CloseScoreStore(store);
    EXPECT_FALSE(OpenScoreStore(store, path, error));
}

}  // namespace
