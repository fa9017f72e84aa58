// host_close_rules_test.cpp -- which messages close the saver, the password gate and its 200 ms rule
#include <gtest/gtest.h>

#include "host/saver_host.h"
#include "settings/registry.h"

namespace {

// A running full-screen saver whose mouse anchor is (100, 200).
SaverHostState Host() {
    SaverHostState host;
    host.mouseAnchor = ScreenPoint{100, 200};
    return host;
}

bool Closes(SaverHostState host, unsigned int message, uintptr_t wParam = 0, ScreenPoint cursor = {100, 200}) {
    return DecideDefaultSaverAction(host, message, wParam, cursor).postClose;
}

}  // namespace

TEST(CloseRules, InputActivationLossAndPowerEventsCloseAndOnlyThem) {
    const struct { unsigned int message; uintptr_t wParam; ScreenPoint cursor; bool closes; } cases[] = {
        // message              wParam                cursor        closes
        {MSG_MOUSEMOVE,         0,                    {103, 201},   false},  // 3 + 1 pixels
        {MSG_MOUSEMOVE,         0,                    {98, 198},    false},  // 2 + 2 the other way
        {MSG_MOUSEMOVE,         0,                    {103, 202},   true},   // 3 + 2
        {MSG_LBUTTONDOWN,       0,                    {100, 200},   true},
        {MSG_RBUTTONDOWN,       0,                    {100, 200},   true},
        {MSG_MBUTTONDOWN,       0,                    {100, 200},   true},
        {MSG_KEYDOWN,           0,                    {100, 200},   true},
        {MSG_SYSKEYDOWN,        0,                    {100, 200},   true},
        {MSG_ACTIVATEAPP,       0,                    {100, 200},   true},
        {MSG_ACTIVATEAPP,       1,                    {100, 200},   false},
        {MSG_POWER,             PWR_CRITICAL_RESUME,  {100, 200},   true},
        {MSG_POWER,             1,                    {100, 200},   false},
        {MSG_POWERBROADCAST,    0x12345,              {100, 200},   true},
        {MSG_TIMER,             0,                    {100, 200},   false},
        {MSG_KEYUP,             0,                    {100, 200},   false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Closes(Host(), c.message, c.wParam, c.cursor), c.closes) << c.message << " " << c.wParam;
        // A preview, a closing saver and a running password check ignore all of it.
        for (int SaverHostState::*flag :
             {&SaverHostState::isPreview, &SaverHostState::isClosing, &SaverHostState::isCheckingPassword}) {
            SaverHostState host = Host();
            host.*flag = 1;
            EXPECT_FALSE(Closes(host, c.message, c.wParam, c.cursor)) << c.message;
        }
    }
    // Only a closing move takes the cursor as the new anchor; far-apart coordinates do not overflow.
    SaverHostState host = Host();
    DecideDefaultSaverAction(host, MSG_MOUSEMOVE, 0, {102, 201});
    EXPECT_EQ(host.mouseAnchor.x, 100);
    DecideDefaultSaverAction(host, MSG_MOUSEMOVE, 0, {103, 202});
    EXPECT_EQ(host.mouseAnchor.y, 202);
    host.mouseAnchor = ScreenPoint{INT32_MIN + 1, 0};
    EXPECT_TRUE(Closes(host, MSG_MOUSEMOVE, 0, {INT32_MAX, 0}));
    const SaverAction setCursor = DecideDefaultSaverAction(host, MSG_SETCURSOR, 0, {0, 0});
    EXPECT_TRUE(setCursor.hideCursor);
    EXPECT_EQ(setCursor.value, 1);
    EXPECT_TRUE(DecideDefaultSaverAction(host, MSG_SHOWWINDOW, 1, {0, 0}).hideCursor);
}

TEST(CloseRules, CloseVerifierAndAutoPlayMessagesDependOnFamilyAndVerifier) {
    SaverHostState host = Host();
    auto Answer = [&](unsigned int message) { return DecideDefaultSaverAction(host, message, 0, {0, 0}).answer; };
    EXPECT_EQ(Answer(MSG_CLOSE), ANSWER_DEFAULT);
    EXPECT_EQ(Answer(VerifyPasswordMessage), ANSWER_DEFAULT);
    host.isWin95Family = 1;
    EXPECT_EQ(Answer(MSG_CLOSE), ANSWER_PASSWORD);
    EXPECT_EQ(Answer(VerifyPasswordMessage), ANSWER_VERIFIER);
    host.isCheckingPassword = 1;  // a nested close during the check still meets the gate, which refuses it
    EXPECT_EQ(Answer(MSG_CLOSE), ANSWER_PASSWORD);
    host.isPreview = 1;
    EXPECT_EQ(Answer(MSG_CLOSE), ANSWER_DEFAULT);
    // The auto-play query closes even in preview and answers whether a verifier is loaded.
    EXPECT_FALSE(Closes(host, 0xC123));  // no id registered
    host.autoPlayQueryMessage = 0xC123;
    for (bool loaded : {false, true}) {
        host.verifierLoaded = loaded;
        const SaverAction action = DecideDefaultSaverAction(host, 0xC123, 0, {0, 0});
        EXPECT_TRUE(action.postClose);
        EXPECT_EQ(action.answer, ANSWER_VALUE);
        EXPECT_EQ(action.value, loaded ? 1 : 0);
    }
}

TEST(PasswordGate, TheFlagIsANumberOrAStringOfDigitsAndAnythingElseMeansNoPassword) {
    const struct { uint32_t type; const char *data; uint32_t size; bool set; } cases[] = {
        // type                 data         size  set
        {REGISTRY_TYPE_DWORD,   "\0\0\0\1",    4,  true},
        {REGISTRY_TYPE_DWORD,   "\0\0\0\0",    4,  false},
        {REGISTRY_TYPE_BINARY,  "\1",          1,  true},   // short: zero-extended
        {REGISTRY_TYPE_BINARY,  "\1\0\0\0\0",   5,  false},  // too long for a number
        {REGISTRY_TYPE_DWORD,   "",            0,  false},  // holds no bytes
        {REGISTRY_TYPE_SZ,      "1",           2,  true},
        {REGISTRY_TYPE_SZ,      "0",           2,  false},
        {REGISTRY_TYPE_SZ,      "10",          2,  true},   // stored without its NUL
        {REGISTRY_TYPE_SZ,      "",            1,  false},
        {REGISTRY_TYPE_SZ,      " 1",          3,  false},
        {7 /* REG_MULTI_SZ */,  "1\0",         3,  false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PasswordFlagIsSet(c.type, reinterpret_cast<const uint8_t *>(c.data), c.size), c.set)
            << c.type << " " << c.data;
}

TEST(PasswordGate, ARefusedCheckTurnsAwayCloseRequestsForTwoHundredMilliseconds) {
    SaverHostState host;
    EXPECT_EQ(BeginPasswordCheck(host, 1000), PASSWORD_MAY_CLOSE) << "no verifier";
    EXPECT_EQ(BeginPasswordCheck(host, 1000), PASSWORD_REFUSE) << "closing since";

    host = SaverHostState{};
    host.verifierLoaded = true;
    ASSERT_EQ(BeginPasswordCheck(host, 5000), PASSWORD_ASK);
    EXPECT_EQ(BeginPasswordCheck(host, 5000), PASSWORD_REFUSE) << "no second check while one runs";
    EXPECT_TRUE(EndPasswordCheck(host, 0, 9000)) << "refused: hide the cursor again";
    EXPECT_EQ(BeginPasswordCheck(host, 9199), PASSWORD_REFUSE);
    ASSERT_EQ(BeginPasswordCheck(host, 9200), PASSWORD_ASK);
    EXPECT_FALSE(EndPasswordCheck(host, 1, 9300));
    // The rule survives the tick count wrapping.
    EXPECT_FALSE(PasswordCheckTooSoon(NO_PASSWORD_CHECK_YET, 100));
    EXPECT_TRUE(PasswordCheckTooSoon(0xFFFFFFF0u, 0x00000050u));   // 96 ms across the wrap
    EXPECT_FALSE(PasswordCheckTooSoon(0xFFFFFFF0u, 0x000000B8u));  // 200 ms across the wrap
}
