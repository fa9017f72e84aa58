// host_close_rules_test.cpp -- which messages close the saver, the password gate and its 200 ms rule
#include <gtest/gtest.h>

#include "host/saver_host.h"

namespace {

class CloseRules : public ::testing::Test {
protected:
    SaverHostState host{};
    void SetUp() override {
        host = SaverHostState{};
        host.mouseAnchor = ScreenPoint{100, 200};
    }
    SaverAction Send(unsigned int message, uintptr_t wParam = 0, ScreenPoint cursor = {100, 200}) {
        return DecideDefaultSaverAction(host, message, wParam, cursor);
    }
    bool Closes(unsigned int message, uintptr_t wParam = 0) { return Send(message, wParam).postClose; }
};

}  // namespace

TEST_F(CloseRules, MouseMovementClosesOnlyBeyondFourPixelsSummedOverBothAxes) {
    EXPECT_FALSE(Send(MSG_MOUSEMOVE, 0, {103, 201}).postClose);  // 3 + 1
    EXPECT_FALSE(Send(MSG_MOUSEMOVE, 0, {98, 198}).postClose);   // 2 + 2 the other way
    EXPECT_EQ(host.mouseAnchor.x, 100);                          // small moves leave the anchor alone
    const SaverAction closing = Send(MSG_MOUSEMOVE, 0, {103, 202});  // 3 + 2
    EXPECT_TRUE(closing.postClose);
    EXPECT_EQ(closing.answer, ANSWER_DEFAULT);
    EXPECT_EQ(host.mouseAnchor.x, 103);
    EXPECT_EQ(host.mouseAnchor.y, 202);
    // Far-apart coordinates must not overflow into a small distance.
    host.mouseAnchor = ScreenPoint{INT32_MIN + 1, 0};
    EXPECT_TRUE(Send(MSG_MOUSEMOVE, 0, {INT32_MAX, 0}).postClose);
}

TEST_F(CloseRules, ButtonsSystemKeysActivationLossAndPowerEventsClose) {
    for (unsigned int message : {MSG_LBUTTONDOWN, MSG_RBUTTONDOWN, MSG_MBUTTONDOWN, MSG_KEYDOWN, MSG_SYSKEYDOWN})
        EXPECT_TRUE(Closes(message)) << message;
    EXPECT_TRUE(Closes(MSG_ACTIVATEAPP, 0));
    EXPECT_FALSE(Closes(MSG_ACTIVATEAPP, 1));
    EXPECT_TRUE(Closes(MSG_POWER, PWR_CRITICAL_RESUME));
    EXPECT_FALSE(Closes(MSG_POWER, 1));
    EXPECT_TRUE(Closes(MSG_POWERBROADCAST, 0x12345));
    EXPECT_FALSE(Closes(MSG_TIMER));
    EXPECT_FALSE(Closes(MSG_KEYUP));
    EXPECT_TRUE(Send(MSG_SHOWWINDOW, 1).hideCursor);
    EXPECT_FALSE(Send(MSG_SHOWWINDOW, 0).hideCursor);
    const SaverAction setCursor = Send(MSG_SETCURSOR);
    EXPECT_TRUE(setCursor.hideCursor);
    EXPECT_EQ(setCursor.answer, ANSWER_VALUE);
    EXPECT_EQ(setCursor.value, 1);
}

TEST_F(CloseRules, PreviewAClosingSaverAndARunningPasswordCheckIgnoreInput) {
    for (int SaverHostState::*flag :
         {&SaverHostState::isPreview, &SaverHostState::isClosing, &SaverHostState::isCheckingPassword}) {
        SetUp();
        host.*flag = 1;
        for (unsigned int message : {MSG_LBUTTONDOWN, MSG_KEYDOWN, MSG_SYSKEYDOWN, MSG_ACTIVATEAPP, MSG_POWERBROADCAST}) {
            EXPECT_FALSE(Closes(message)) << message;
            EXPECT_EQ(Send(message).answer, ANSWER_DEFAULT);
        }
        EXPECT_FALSE(Send(MSG_MOUSEMOVE, 0, {500, 500}).postClose);
        EXPECT_EQ(host.mouseAnchor.x, 100);
    }
}

TEST_F(CloseRules, CloseVerifierAndAutoPlayMessagesDependOnFamilyAndVerifier) {
    EXPECT_EQ(Send(MSG_CLOSE).answer, ANSWER_DEFAULT);
    EXPECT_EQ(Send(VerifyPasswordMessage).answer, ANSWER_DEFAULT);
    host.isWin95Family = 1;
    EXPECT_EQ(Send(MSG_CLOSE).answer, ANSWER_PASSWORD);
    EXPECT_EQ(Send(VerifyPasswordMessage).answer, ANSWER_VERIFIER);
    host.isCheckingPassword = 1;  // a nested close during the check still meets the gate, which refuses it
    EXPECT_EQ(Send(MSG_CLOSE).answer, ANSWER_PASSWORD);
    host.isPreview = 1;
    EXPECT_EQ(Send(MSG_CLOSE).answer, ANSWER_DEFAULT);
    // The auto-play query closes even in preview and answers whether a verifier is loaded.
    EXPECT_FALSE(Closes(0xC123));  // no id registered
    host.autoPlayQueryMessage = 0xC123;
    const SaverAction action = Send(0xC123);
    EXPECT_TRUE(action.postClose);
    EXPECT_EQ(action.answer, ANSWER_VALUE);
    EXPECT_EQ(action.value, 0);
    host.verifierLoaded = true;
    EXPECT_EQ(Send(0xC123).value, 1);
}

TEST(PasswordGate, ARefusedCheckTurnsAwayCloseRequestsForTwoHundredMilliseconds) {
    SaverHostState host{};
    host.lastPasswordCheckTicks = NO_PASSWORD_CHECK_YET;
    EXPECT_EQ(BeginPasswordCheck(host, 1000), PASSWORD_MAY_CLOSE) << "no verifier";
    EXPECT_EQ(host.isClosing, 1);
    EXPECT_EQ(BeginPasswordCheck(host, 1000), PASSWORD_REFUSE) << "already closing";

    host = SaverHostState{};
    host.verifierLoaded = true;
    host.lastPasswordCheckTicks = NO_PASSWORD_CHECK_YET;
    ASSERT_EQ(BeginPasswordCheck(host, 5000), PASSWORD_ASK);
    EXPECT_EQ(host.isCheckingPassword, 1);
    EXPECT_EQ(BeginPasswordCheck(host, 5000), PASSWORD_REFUSE) << "no second check while one runs";
    EXPECT_TRUE(EndPasswordCheck(host, 0, 9000)) << "refused: hide the cursor again";
    EXPECT_EQ(host.isCheckingPassword, 0);
    EXPECT_EQ(host.isClosing, 0);
    EXPECT_EQ(BeginPasswordCheck(host, 9199), PASSWORD_REFUSE);
    EXPECT_EQ(host.isCheckingPassword, 0);
    ASSERT_EQ(BeginPasswordCheck(host, 9200), PASSWORD_ASK);
    EXPECT_FALSE(EndPasswordCheck(host, 1, 9300));
    EXPECT_EQ(host.isClosing, 1);
    // The rule survives the tick count wrapping.
    EXPECT_FALSE(PasswordCheckTooSoon(NO_PASSWORD_CHECK_YET, 100));
    EXPECT_TRUE(PasswordCheckTooSoon(0xFFFFFFF0u, 0x00000050u));   // 96 ms across the wrap
    EXPECT_FALSE(PasswordCheckTooSoon(0xFFFFFFF0u, 0x000000B8u));  // 200 ms across the wrap
}
