// host_frame_test.cpp -- key arrays and the frame's clock arithmetic, Escape included
#include <gtest/gtest.h>

#include <cstring>

#include "host/frame.h"
#include "host/game_clock.h"
#include "host/keyboard.h"
#include "host/native_clock.h"
#include "tests/support/game_driver.h"

namespace {

void ClearKeys() {
    std::memset(keyDown, 0, sizeof keyDown);
    std::memset(keyPressed, 0, sizeof keyPressed);
}

class Keys : public ::testing::Test {
protected:
    void SetUp() override { ClearKeys(); }
    void TearDown() override { ClearKeys(); }
};

// A fresh program that leaves the records as start-up left them.
class FrameClock : public GameTest {};

}  // namespace

TEST_F(Keys, HeldKeyGivesOnePressAndAgainAfterRelease) {
    KeyGoesDown(KEY_SPACE);
    KeyGoesDown(KEY_SPACE);  // auto-repeat
    KeyGoesDown(KEY_SPACE);
    EXPECT_TRUE(ConsumeKeyPress(KEY_SPACE));
    EXPECT_FALSE(ConsumeKeyPress(KEY_SPACE));
    KeyGoesDown(KEY_SPACE);
    EXPECT_FALSE(ConsumeKeyPress(KEY_SPACE));
    KeyGoesUp(KEY_SPACE);
    EXPECT_EQ(keyDown[KEY_SPACE], 0);
    KeyGoesDown(KEY_SPACE);
    EXPECT_TRUE(ConsumeKeyPress(KEY_SPACE));
}

TEST_F(Keys, PressStaysPendingWhileHeldAndIsLostOnceReleased) {
    KeyGoesDown(KEY_LEFT);
    EXPECT_FALSE(ConsumeKeyPress(KEY_RIGHT));  // another key's press is not this one
    EXPECT_TRUE(ConsumeKeyPress(KEY_LEFT));    // a later reader in the same hold still gets it

    KeyGoesDown('A');
    KeyGoesUp('A');  // pressed and released between two frames
    EXPECT_FALSE(ConsumeKeyPress('A'));
    EXPECT_EQ(keyPressed['A'], 1);  // left over, but never seen without the down flag
    KeyGoesDown('A');
    EXPECT_TRUE(ConsumeKeyPress('A'));
    EXPECT_FALSE(ConsumeKeyPress('A'));
}

TEST_F(FrameClock, DtIsOneBeforeTheFirstFrameThenTheTimeBetweenReadings) {
    EXPECT_EQ(now, 0.0f);
    EXPECT_EQ(dt, 1.0f);
    SetScriptedClock(0.25);
    EXPECT_TRUE(RunFrame());
    EXPECT_EQ(now, 0.25f);
    EXPECT_EQ(dt, 0.25f);  // from InitClock to the first frame
    SetScriptedClock(0.3);
    EXPECT_TRUE(RunFrame());
    EXPECT_EQ(now, 0.3f);
    EXPECT_EQ(dt, 0.3f - 0.25f);
}

TEST_F(FrameClock, EscapeCutsTheFrameShortAndTheNextDrawnFrameSpansTheWholeHold) {
    SetScriptedClock(1.0);
    ASSERT_TRUE(RunFrame());
    SetScriptedClock(1.1);
    ASSERT_TRUE(RunFrame());
    const float heldNow = now, heldDt = dt;

    KeyGoesDown(KEY_ESCAPE);
    for (double t : {1.2, 1.5, 2.0}) {
        SetScriptedClock(t);
        EXPECT_FALSE(RunFrame());
        EXPECT_EQ(now, heldNow);
        EXPECT_EQ(dt, heldDt);
    }
    KeyGoesUp(KEY_ESCAPE);
    SetScriptedClock(2.5);
    EXPECT_TRUE(RunFrame());
    EXPECT_EQ(now, 2.5f);
    EXPECT_NEAR(dt, 2.5f - 1.1f, 1e-6f);
}
