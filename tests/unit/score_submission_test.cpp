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

#include "common/message_log.h"
#include "settings/score_socket_native.h"
#include "settings/score_submission.h"
#include "settings/settings_store.h"

namespace {

const int SERVER_WAIT_MS = 20000;  // generous: the machine is shared

// Listens on 127.0.0.1 on a port of the system's choosing and never answers.
// The submission needs no server thread: its connection completes in the
// listener's queue and its bytes wait in the kernel until collected.
struct CaptureServer {
    int listener = -1;
    uint16_t port = 0;
    int accepted = 0;
    std::string received;

    CaptureServer() {
        listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || listen(listener, 4) != 0)
            return;
        socklen_t length = sizeof address;
        getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length);
        port = ntohs(address.sin_port);
    }

    // Takes every queued connection and reads each to its end.
    void Collect() {
        for (;;) {
            pollfd waiting{listener, POLLIN, 0};
            if (poll(&waiting, 1, 0) != 1) return;
            const int connection = accept(listener, nullptr, nullptr);
            if (connection < 0) return;
            ++accepted;
            char buffer[1024];
            for (;;) {
                pollfd reading{connection, POLLIN, 0};
                if (poll(&reading, 1, SERVER_WAIT_MS) != 1) break;
                const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
                if (got <= 0) break;
                received.append(buffer, static_cast<size_t>(got));
            }
            close(connection);
        }
    }

    ~CaptureServer() {
        if (listener >= 0) close(listener);
    }
};

// A port on which nothing listens: bound once, then released.
uint16_t ClosedPort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

std::string RequestLine(const std::string &query) {
    return "GET /kvrn/addscore.php?" + query + " HTTP/1.1\r\n";
}

const std::string REST_OF_REQUEST =
    std::string("Host: ") + KVRN_SCORE_HOST + "\r\n" + "User-Agent: Kvrn PSS v1.0\r\n\r\n";

const char CONNECTION_ERROR[] = "Connection error!\nMake sure you're connected to the internet and try again.";

class ScoreSubmission : public ::testing::Test {
protected:
    void SetUp() override {
        ResetNativeScoreSockets();
        ClearNativeMessageLog();
        scoreSubmitted = 0;
        fullDetail = 1;
        lightingFx = 1;
        highScore = 0;
        highScoreCharacter = 0;
        std::strcpy(highScoreName, "Quillon");
        SaveSettings();
        ClearNativeMessageLog();
    }

    // Submits against a fresh capture server and returns what it received.
    std::string SubmitToLocalServer(int32_t score, const char *name, int32_t character, int *accepted = nullptr) {
        CaptureServer server;
        EXPECT_NE(server.port, 0);
        SetNativeScoreServer(KVRN_SCORE_HOST, server.port);
        SubmitHighScore(score, name, character);
        server.Collect();
        if (accepted) *accepted = server.accepted;
        return server.received;
    }

    // What the registry holds for the flag, whatever memory says.
    static int StoredSubmittedFlag() {
        const uint8_t inMemory = scoreSubmitted;
        scoreSubmitted = 7;
        LoadSettings();
        const int stored = scoreSubmitted;
        scoreSubmitted = inMemory;
        return stored;
    }

    static void ExpectConnectionClosedAndStopped() {
        EXPECT_EQ(NativeScoreSockets().closes, 1);
        EXPECT_EQ(NativeScoreSockets().stops, 1);
    }
};

TEST_F(ScoreSubmission, SendsTheRequestInThreePartsAndMarksItSubmitted) {
    int accepted = 0;
    const std::string wire = SubmitToLocalServer(1250, "ZED", 2, &accepted);
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(wire, "GET /kvrn/addscore.php?name=ZED&score=1250&ch=2 HTTP/1.1\r\n" + REST_OF_REQUEST);
    EXPECT_EQ(NativeScoreSockets().sends, 3);
    EXPECT_EQ(NativeScoreSockets().connects, 1);
    ExpectConnectionClosedAndStopped();
    EXPECT_EQ(NativeMessageLog().count, 0);
    // The server never answered; the submission still counts and is stored at once.
    EXPECT_EQ(scoreSubmitted, 1);
    EXPECT_EQ(StoredSubmittedFlag(), 1);
}

TEST_F(ScoreSubmission, WritesScoresAndCharacterAsSignedDecimals) {
    EXPECT_EQ(SubmitToLocalServer(0, "Quillon", 0), RequestLine("name=Quillon&score=0&ch=0") + REST_OF_REQUEST);
    scoreSubmitted = 0;
    EXPECT_EQ(SubmitToLocalServer(-5, "AB", 1), RequestLine("name=AB&score=-5&ch=1") + REST_OF_REQUEST);
    scoreSubmitted = 0;
    EXPECT_EQ(SubmitToLocalServer(INT32_MAX, "A1", 2), RequestLine("name=A1&score=2147483647&ch=2") + REST_OF_REQUEST);
    scoreSubmitted = 0;
    EXPECT_EQ(SubmitToLocalServer(INT32_MIN, "A1", -1), RequestLine("name=A1&score=-2147483648&ch=-1") + REST_OF_REQUEST);
}

TEST_F(ScoreSubmission, EncodesNamesThatCouldBreakOrForgeTheRequest) {
    struct Case {
        const char *name;
        const char *sentAs;
    };
    const Case cases[] = {
        // stored name            on the wire
        {"A B",                   "A%20B"},
        {"A&score=9",             "A%26score%3D9"},
        {"X\r\nHost: y",          "X%0D%0AHost%3A%20y"},
        {"\xE9t\xFF",             "%E9t%FF"},
        {"#1%2",                  "%231%252"},
        {"az-._~AZ09",            "az-._~AZ09"},
        {"",                      ""},
    };
    for (const Case &c : cases) {
        scoreSubmitted = 0;
        EXPECT_EQ(SubmitToLocalServer(7, c.name, 1),
                  RequestLine(std::string("name=") + c.sentAs + "&score=7&ch=1") + REST_OF_REQUEST)
            << "name " << c.name;
    }
}

TEST_F(ScoreSubmission, ReadsNoMoreOfTheNameThanTheStoreHolds) {
    // Eleven bytes fill the store's buffer; the rest is never read.
    const char longName[] = "  &&&&&&&&&ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ";
    char encoded[ENCODED_NAME_SIZE];
    PercentEncodeName(longName, encoded);
    EXPECT_STREQ(encoded, "%20%20%26%26%26%26%26%26%26%26%26");
    EXPECT_EQ(SubmitToLocalServer(1, longName, 0),
              RequestLine("name=%20%20%26%26%26%26%26%26%26%26%26&score=1&ch=0") + REST_OF_REQUEST);
}

TEST_F(ScoreSubmission, RefusesASecondSubmissionWithoutTouchingTheNetwork) {
    SubmitToLocalServer(1250, "ZED", 2);
    ASSERT_EQ(scoreSubmitted, 1);
    ResetNativeScoreSockets();
    ClearNativeMessageLog();

    for (int press = 0; press < 3; ++press) {
        int accepted = -1;
        EXPECT_EQ(SubmitToLocalServer(1250, "ZED", 2, &accepted), "");
        EXPECT_EQ(accepted, 0);
    }
    EXPECT_EQ(NativeMessageLog().count, 3);
    EXPECT_STREQ(NativeMessageLog().lastText, "You've already submitted this score! Beat the score and try again!");
    EXPECT_STREQ(NativeMessageLog().lastCaption, "Trying to cheat?");
    EXPECT_EQ(NativeMessageLog().lastIcon, MESSAGE_ICON_ERROR);
    EXPECT_EQ(NativeScoreSockets().startups, 0);
    EXPECT_EQ(NativeScoreSockets().connects, 0);
    EXPECT_EQ(scoreSubmitted, 1);
}

TEST_F(ScoreSubmission, ClosedPortShowsTheConnectionErrorAndLeavesTheFlag) {
    SetNativeScoreServer(KVRN_SCORE_HOST, ClosedPort());
    SubmitHighScore(1250, "ZED", 2);
    EXPECT_EQ(NativeMessageLog().count, 1);
    EXPECT_STREQ(NativeMessageLog().lastText, CONNECTION_ERROR);
    EXPECT_STREQ(NativeMessageLog().lastCaption, "Error");
    EXPECT_EQ(NativeMessageLog().lastIcon, MESSAGE_ICON_ERROR);
    EXPECT_EQ(NativeScoreSockets().connects, 1);
    EXPECT_EQ(NativeScoreSockets().sends, 0);
    ExpectConnectionClosedAndStopped();
    EXPECT_EQ(scoreSubmitted, 0);
    EXPECT_EQ(StoredSubmittedFlag(), 0);
}

TEST_F(ScoreSubmission, UnknownHostShowsTheDnsErrorAndLeavesTheFlag) {
    // No name set: the host name resolves to nothing.
    SubmitHighScore(1250, "ZED", 2);
    EXPECT_EQ(NativeMessageLog().count, 1);
    EXPECT_STREQ(NativeMessageLog().lastText,
                 "Error looking up host address!\nMake sure you're connected to the internet and try again.");
    EXPECT_STREQ(NativeMessageLog().lastCaption, "DNS Error");
    EXPECT_EQ(NativeScoreSockets().connects, 0);
    ExpectConnectionClosedAndStopped();
    EXPECT_EQ(scoreSubmitted, 0);
}

TEST_F(ScoreSubmission, AFailedSendIsNoSubmission) {
    for (int failingSend = 1; failingSend <= 3; ++failingSend) {
        ResetNativeScoreSockets();
        ClearNativeMessageLog();
        FailNativeSendsFrom(failingSend);
        const std::string wire = SubmitToLocalServer(1250, "ZED", 2);
        EXPECT_EQ(NativeScoreSockets().sends, failingSend) << "nothing is sent after a failed part";
        EXPECT_EQ(NativeMessageLog().count, 1);
        EXPECT_STREQ(NativeMessageLog().lastText, CONNECTION_ERROR);
        EXPECT_STREQ(NativeMessageLog().lastCaption, "Error");
        ExpectConnectionClosedAndStopped();
        EXPECT_EQ(scoreSubmitted, 0);
        EXPECT_EQ(StoredSubmittedFlag(), 0);
    }
    // The player may try again, and then it counts.
    ResetNativeScoreSockets();
    SubmitToLocalServer(1250, "ZED", 2);
    EXPECT_EQ(scoreSubmitted, 1);
}

TEST_F(ScoreSubmission, StartupFailuresShowTheirCodeAndCleanNothingUp) {
    struct Case {
        int code;
        const char *text;
    };
    const Case cases[] = {
        // code  text
        {10091, "WSASYSNOTREADY!\nMake sure you're connected to the internet and try again."},
        {10092, "WSAVERNOTSUPPORTED!\nMake sure you're connected to the internet and try again."},
        {10036, "WSAEINPROGRESS!\nMake sure you're connected to the internet and try again."},
        {10067, "WSAEPROCLIM!\nMake sure you're connected to the internet and try again."},
        {10014, "WSAEFAULT!\nMake sure you're connected to the internet and try again."},
        {10093, nullptr},  // not listed: no message
    };
    for (const Case &c : cases) {
        ResetNativeScoreSockets();
        ClearNativeMessageLog();
        SetNativeStartupError(c.code);
        EXPECT_FALSE(ConnectToScoreServer());
        if (c.text) {
            EXPECT_EQ(NativeMessageLog().count, 1) << c.code;
            EXPECT_STREQ(NativeMessageLog().lastText, c.text);
            EXPECT_STREQ(NativeMessageLog().lastCaption, "Winsock Init Error");
            EXPECT_EQ(NativeMessageLog().lastIcon, MESSAGE_ICON_ERROR);
        } else {
            EXPECT_EQ(NativeMessageLog().count, 0);
        }
        EXPECT_EQ(NativeScoreSockets().opens, 0);
        EXPECT_EQ(NativeScoreSockets().stops, 0);
        EXPECT_EQ(scoreSubmitted, 0);
    }
}

}  // namespace
