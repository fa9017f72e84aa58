// score_submission_test.cpp -- the high-score request on the wire, against a server on 127.0.0.1
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include "common/message_box_fake.h"
#include "settings/score_socket_fake.h"
#include "settings/score_submission.h"
#include "settings/settings_store.h"

namespace {

const int SERVER_WAIT_MS = 20000;  // generous: the machine is shared
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

// Listens and never answers. No server thread is needed: the submission's
// connection completes in the listener's queue and its bytes wait in the
// kernel until collected.
struct CaptureServer {
    uint16_t port = 0;
    int listener = BoundLoopbackSocket(port), accepted = 0;
    std::string received;
    CaptureServer() {
        if (listen(listener, 4) != 0) port = 0;
    }
    ~CaptureServer() { close(listener); }

    // Takes every queued connection and reads each to its end.
    void Collect() {
        for (pollfd waiting{listener, POLLIN, 0}; poll(&waiting, 1, 0) == 1;) {
            const int connection = accept(listener, nullptr, nullptr);
            if (connection < 0) return;
            ++accepted;
            char buffer[1024];
            for (pollfd reading{connection, POLLIN, 0}; poll(&reading, 1, SERVER_WAIT_MS) == 1;) {
                const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
                if (got <= 0) break;
                received.append(buffer, static_cast<size_t>(got));
            }
            close(connection);
        }
    }
};

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

class ScoreSubmission : public ::testing::Test {
protected:
    void SetUp() override {
        settings.scoreSubmitted = 0;
        settings.fullDetail = settings.lightingFx = 1;
        settings.highScore = settings.highScoreCharacter = 0;
        std::strcpy(settings.highScoreName, "Quillon");
        SaveSettings();
        Fresh();
    }
    static void Fresh() {
        ResetFakeScoreSockets();
        ClearFakeMessageLog();
        settings.scoreSubmitted = 0;
    }

    // Submits against a fresh capture server and returns what it received.
    static std::string Submit(int32_t score, const char *name, int32_t character, int *accepted = nullptr) {
        CaptureServer server;
        EXPECT_NE(server.port, 0);
        SetFakeScoreServer(KVRN_SCORE_HOST, server.port);
        SubmitHighScore(score, name, character);
        server.Collect();
        if (accepted) *accepted = server.accepted;
        return server.received;
    }

    // The flag as the registry holds it, and as memory holds it: they must agree.
    static int SubmittedFlag() {
        const int inMemory = settings.scoreSubmitted;
        settings.scoreSubmitted = 7;
        LoadSettings();
        EXPECT_EQ(settings.scoreSubmitted, inMemory) << "flag in memory against the stored one";
        return settings.scoreSubmitted;
    }

    static void ExpectCleanedUp() {
        EXPECT_EQ(FakeScoreSockets().closes, 1);
        EXPECT_EQ(FakeScoreSockets().stops, 1);
    }
};

TEST_F(ScoreSubmission, SendsTheRequestInThreePartsAndStoresTheFlagThoughTheServerNeverAnswers) {
    int accepted = 0;
    EXPECT_EQ(Submit(1250, "ZED", 2, &accepted), Request("name=ZED&score=1250&ch=2"));
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(FakeScoreSockets().sends, 3);
    EXPECT_EQ(FakeScoreSockets().connects, 1);
    ExpectCleanedUp();
    EXPECT_EQ(FakeMessageLog().count, 0);
    EXPECT_EQ(SubmittedFlag(), 1);
}

TEST_F(ScoreSubmission, WritesSignedDecimalsAndEncodesNamesThatCouldBreakOrForgeTheRequest) {
    // Eleven bytes fill the store's buffer; the rest of a long name is never read.
    const std::string longName = "  &&&&&&&&&" + std::string(60, 'Z');
    const struct {
        const char *name;
        int32_t score, character;
        const char *query;
    } cases[] = {
        // name              score      ch  query
        {"Quillon",          0,         0,  "name=Quillon&score=0&ch=0"},
        {"AB",               -5,        1,  "name=AB&score=-5&ch=1"},
        {"A1",               INT32_MAX, 2,  "name=A1&score=2147483647&ch=2"},
        {"A1",               INT32_MIN, -1, "name=A1&score=-2147483648&ch=-1"},
        {"A B",              7,         1,  "name=A%20B&score=7&ch=1"},
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

TEST_F(ScoreSubmission, RefusesASecondSubmissionWithoutTouchingTheNetwork) {
    Submit(1250, "ZED", 2);
    ResetFakeScoreSockets();
    for (int press = 0; press < 2; ++press) {
        ClearFakeMessageLog();
        int accepted = -1;
        EXPECT_EQ(Submit(1250, "ZED", 2, &accepted), "");
        EXPECT_EQ(accepted, 0);
        ExpectMessage("You've already submitted this score! Beat the score and try again!", "Trying to cheat?");
    }
    EXPECT_EQ(FakeScoreSockets().startups, 0);
    EXPECT_EQ(FakeScoreSockets().connects, 0);
    EXPECT_EQ(SubmittedFlag(), 1);
}

TEST_F(ScoreSubmission, FailuresShowTheirErrorAndLeaveTheFlagSoThePlayerCanRetry) {
    // No server name set: the host resolves to nothing.
    SubmitHighScore(1250, "ZED", 2);
    ExpectMessage("Error looking up host address" + TRY_AGAIN, "DNS Error");
    EXPECT_EQ(FakeScoreSockets().connects, 0);
    ExpectCleanedUp();
    EXPECT_EQ(SubmittedFlag(), 0);

    Fresh();
    uint16_t closedPort = 0;
    close(BoundLoopbackSocket(closedPort));  // bound once, then released: nothing listens
    SetFakeScoreServer(KVRN_SCORE_HOST, closedPort);
    SubmitHighScore(1250, "ZED", 2);
    ExpectMessage("Connection error" + TRY_AGAIN, "Error");
    EXPECT_EQ(FakeScoreSockets().connects, 1);
    EXPECT_EQ(FakeScoreSockets().sends, 0);
    ExpectCleanedUp();
    EXPECT_EQ(SubmittedFlag(), 0);

    for (int failingSend = 1; failingSend <= 3; ++failingSend) {
        Fresh();
        FailFakeSendsFrom(failingSend);
        Submit(1250, "ZED", 2);
        EXPECT_EQ(FakeScoreSockets().sends, failingSend) << "nothing is sent after a failed part";
        ExpectMessage("Connection error" + TRY_AGAIN, "Error");
        ExpectCleanedUp();
        EXPECT_EQ(SubmittedFlag(), 0);
    }
    Fresh();
    Submit(1250, "ZED", 2);
    EXPECT_EQ(SubmittedFlag(), 1);
}

TEST_F(ScoreSubmission, StartupFailuresShowTheirCodeAndCleanNothingUp) {
    const struct {
        int code;
        const char *name;  // nullptr: not listed, no message
    } cases[] = {{10091, "WSASYSNOTREADY"}, {10092, "WSAVERNOTSUPPORTED"}, {10036, "WSAEINPROGRESS"},
                 {10067, "WSAEPROCLIM"},    {10014, "WSAEFAULT"},          {10093, nullptr}};
    for (const auto &c : cases) {
        Fresh();
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

}  // namespace
