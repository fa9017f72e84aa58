// host_frame_test.cpp -- key arrays and the frame's clock arithmetic, Escape included
#include <gtest/gtest.h>

#include <cstring>

#include "common/frame_input.h"
#include "host/clock_fake.h"
#include "host/game_calls.h"
#include "host/game_clock.h"
#include "tests/support/game_driver.h"

namespace {

class Keys : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        std::memset(frameInput.keyDown, 0, sizeof frameInput.keyDown);
        std::memset(frameInput.keyPressed, 0, sizeof frameInput.keyPressed);
    }
};

// A fresh program that leaves the records as start-up left them.
class FrameClock : public GameTest {
protected:
    static bool FrameAt(double t) {
        SetScriptedClock(t);
        return RunFrame();
    }
};

}  // namespace

TEST_F(Keys, HeldKeyGivesOnePressThatStaysPendingUntilRead) {
    for (int repeat = 0; repeat < 3; ++repeat) KeyGoesDown(KEY_SPACE);  // auto-repeat
    EXPECT_FALSE(ConsumeKeyPress(KEY_RIGHT));  // another key's press is not this one
    EXPECT_TRUE(ConsumeKeyPress(KEY_SPACE));
    EXPECT_FALSE(ConsumeKeyPress(KEY_SPACE));
    KeyGoesDown(KEY_SPACE);
    EXPECT_FALSE(ConsumeKeyPress(KEY_SPACE));
    KeyGoesUp(KEY_SPACE);
    EXPECT_EQ(frameInput.keyDown[KEY_SPACE], 0);
    KeyGoesDown(KEY_SPACE);
    EXPECT_TRUE(ConsumeKeyPress(KEY_SPACE));
}

TEST_F(Keys, PressAndReleaseBetweenFramesIsUnseen) {
    KeyGoesDown('A');
    KeyGoesUp('A');
    EXPECT_FALSE(ConsumeKeyPress('A'));
    EXPECT_EQ(frameInput.keyPressed['A'], 1);  // left over, but never seen without the down flag
    KeyGoesDown('A');
    EXPECT_TRUE(ConsumeKeyPress('A'));
}

TEST_F(FrameClock, DtIsOneBeforeTheFirstFrameThenTheTimeBetweenReadings) {
    EXPECT_EQ(frameInput.now, 0.0f);
    EXPECT_EQ(frameInput.dt, 1.0f);
    EXPECT_TRUE(FrameAt(0.25));
    EXPECT_EQ(frameInput.now, 0.25f);
    EXPECT_EQ(frameInput.dt, 0.25f);  // from InitClock to the first frame
    EXPECT_TRUE(FrameAt(0.3));
    EXPECT_EQ(frameInput.dt, 0.3f - 0.25f);
}

TEST_F(FrameClock, EscapeCutsTheFrameShortAndTheNextDrawnFrameSpansTheWholeHold) {
    ASSERT_TRUE(FrameAt(1.0));
    ASSERT_TRUE(FrameAt(1.1));
    const float heldNow = frameInput.now, heldDt = frameInput.dt;
    KeyGoesDown(KEY_ESCAPE);
    for (double t : {1.2, 2.0}) {
        EXPECT_FALSE(FrameAt(t));
        EXPECT_EQ(frameInput.now, heldNow);
        EXPECT_EQ(frameInput.dt, heldDt);
    }
    KeyGoesUp(KEY_ESCAPE);
    EXPECT_TRUE(FrameAt(2.5));
    EXPECT_EQ(frameInput.now, 2.5f);
    EXPECT_NEAR(frameInput.dt, 2.5f - 1.1f, 1e-6f);
}
