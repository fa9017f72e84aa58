// score_submission_test.cpp -- the high-score request on the wire, against a server on 127.0.0.1
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "common/message_box_fake.h"
#include "settings/score_socket_fake.h"
#include "settings/score_submission.h"
#include "settings/settings_store.h"

namespace {

const std::string TRY_AGAIN = "!\nMake sure you're connected to the internet and try again.";

// A socket bound to a port of the system's choosing on 127.0.0.1.
int BoundLoopbackSocket(uint16_t &port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    port = 0;
    if (bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    return s;
}

// Submits against a server that listens and never answers, and returns what it received: no
// server thread is needed, the connection completes in the listener's queue and its bytes wait
// in the kernel until collected.
std::string Submit(int32_t score, const char *name, int32_t character) {
    uint16_t port = 0;
    const int listener = BoundLoopbackSocket(port);
    EXPECT_EQ(listen(listener, 4), 0);
    SetFakeScoreServer(KVRN_SCORE_HOST, port);
    SubmitHighScore(score, name, character);
    std::string received;
    for (pollfd waiting{listener, POLLIN, 0}; poll(&waiting, 1, 0) == 1;) {
        const int connection = accept(listener, nullptr, nullptr);
        char buffer[1024];
        ssize_t got = 0;
        for (pollfd reading{connection, POLLIN, 0}; poll(&reading, 1, 20000) == 1 &&
                                                    (got = recv(connection, buffer, sizeof buffer, 0)) > 0;)
            received.append(buffer, static_cast<size_t>(got));
        close(connection);
    }
    close(listener);
    return received;
}

std::string Request(const std::string &query) {
    return "GET /kvrn/addscore.php?" + query + " HTTP/1.1\r\nHost: " + KVRN_SCORE_HOST +
           "\r\nUser-Agent: Kvrn PSS v1.0\r\n\r\n";
}

void ExpectMessage(const std::string &text, const char *caption) {
    EXPECT_EQ(FakeMessageLog().count, 1);
    EXPECT_EQ(FakeMessageLog().lastText, text);
    EXPECT_STREQ(FakeMessageLog().lastCaption, caption);
    EXPECT_EQ(FakeMessageLog().lastIcon, MESSAGE_ICON_ERROR);
}

// The flag as the registry holds it, and as memory holds it: they must agree.
int SubmittedFlag() {
    const int inMemory = settings.scoreSubmitted;
    LoadSettings();
    EXPECT_EQ(settings.scoreSubmitted, inMemory) << "flag in memory against the stored one";
    return settings.scoreSubmitted;
}

}  // namespace

TEST(ScoreSubmission, SendsTheRequestOnceInThreePartsStoresOnlyTheFlagAndRefusesASecondOne) {
    SaveSettings();
    settings.fullDetail = 0;  // toggled in the dialog and not saved: a Cancel must still undo it
    EXPECT_EQ(Submit(1250, "ZED", 2), Request("name=ZED&score=1250&ch=2"));
    EXPECT_TRUE(FakeScoreSockets().connects == 1 && FakeScoreSockets().sends == 3);
    EXPECT_TRUE(FakeScoreSockets().closes == 1 && FakeScoreSockets().stops == 1);
    EXPECT_EQ(FakeMessageLog().count, 0);
    EXPECT_EQ(SubmittedFlag(), 1);
    EXPECT_EQ(settings.fullDetail, 1) << "the submission stored an option";

    ResetFakeScoreSockets();
    EXPECT_EQ(Submit(1250, "ZED", 2), "");
    ExpectMessage("You've already submitted this score! Beat the score and try again!", "Trying to cheat?");
    EXPECT_EQ(FakeScoreSockets().startups, 0);
    EXPECT_EQ(SubmittedFlag(), 1);
}

TEST(ScoreSubmission, WritesSignedDecimalsAndEncodesNamesThatCouldBreakOrForgeTheRequest) {
    // Eleven bytes fill the store's buffer; the rest of a long name is never read.
    const std::string longName = "  &&&&&&&&&" + std::string(60, 'Z');
    const struct {
        const char *name;
        int32_t score, character;
        const char *query;
    } cases[] = {
        // name              score      ch  query
        {"AB",               -5,        1,  "name=AB&score=-5&ch=1"},
        {"A1",               INT32_MAX, 2,  "name=A1&score=2147483647&ch=2"},
        {"A1",               INT32_MIN, -1, "name=A1&score=-2147483648&ch=-1"},
        {"A&score=9",        7,         1,  "name=A%26score%3D9&score=7&ch=1"},
        {"X\r\nHost: y",     7,         1,  "name=X%0D%0AHost%3A%20y&score=7&ch=1"},
        {"\xE9t\xFF",        7,         1,  "name=%E9t%FF&score=7&ch=1"},
        {"#1%2",             7,         1,  "name=%231%252&score=7&ch=1"},
        {"az-._~AZ09",       7,         1,  "name=az-._~AZ09&score=7&ch=1"},
        {"",                 7,         1,  "name=&score=7&ch=1"},
        {longName.c_str(),   1,         0,  "name=%20%20%26%26%26%26%26%26%26%26%26&score=1&ch=0"},
    };
    for (const auto &c : cases) {
        settings.scoreSubmitted = 0;
        EXPECT_EQ(Submit(c.score, c.name, c.character), Request(c.query)) << c.name;
    }
}

TEST(ScoreSubmission, EveryFailureShowsItsErrorCleansUpAndLeavesTheFlagSoThePlayerCanRetry) {
    uint16_t closedPort = 0;
    close(BoundLoopbackSocket(closedPort));  // bound once, then released: nothing listens
    const struct {
        const char *hostKnown;  // the name the fake lookup knows, or nothing
        uint16_t port;
        int failingSend;  // 1-based, 0: none
        const char *text, *caption;
        int connects, sends;
    } cases[] = {
        {"", 0, 0, "Error looking up host address", "DNS Error", 0, 0},
        {KVRN_SCORE_HOST, closedPort, 0, "Connection error", "Error", 1, 0},
        {nullptr, 0, 1, "Connection error", "Error", 1, 1},  // a listening server
        {nullptr, 0, 2, "Connection error", "Error", 1, 2},
        {nullptr, 0, 3, "Connection error", "Error", 1, 3},
    };
    for (const auto &c : cases) {
        ResetFakeScoreSockets();
        ClearFakeMessageLog();
        FailFakeSendsFrom(c.failingSend);
        if (c.hostKnown) {
            SetFakeScoreServer(c.hostKnown, c.port);
            SubmitHighScore(1250, "ZED", 2);
        } else {
            Submit(1250, "ZED", 2);
        }
        ExpectMessage(c.text + TRY_AGAIN, c.caption);
        EXPECT_EQ(FakeScoreSockets().connects, c.connects) << c.text;
        EXPECT_EQ(FakeScoreSockets().sends, c.sends) << "nothing is sent after a failed part";
        EXPECT_TRUE(FakeScoreSockets().closes == 1 && FakeScoreSockets().stops == 1) << c.text;
        EXPECT_EQ(SubmittedFlag(), 0);
    }
}

TEST(ScoreSubmission, StartupFailuresShowTheirCodeAndCleanNothingUp) {
    const struct {
        int code;
        const char *name;  // nullptr: not listed, no message
    } cases[] = {{10091, "WSASYSNOTREADY"}, {10092, "WSAVERNOTSUPPORTED"}, {10036, "WSAEINPROGRESS"},
                 {10067, "WSAEPROCLIM"},    {10014, "WSAEFAULT"},          {10093, nullptr}};
    for (const auto &c : cases) {
        ResetFakeScoreSockets();
        ClearFakeMessageLog();
        SetFakeStartupError(c.code);
        EXPECT_FALSE(ConnectToScoreServer());
        if (c.name)
            ExpectMessage(c.name + TRY_AGAIN, "Winsock Init Error");
        else
            EXPECT_EQ(FakeMessageLog().count, 0);
        EXPECT_EQ(FakeScoreSockets().opens, 0);
        EXPECT_EQ(FakeScoreSockets().stops, 0);
    }
}
