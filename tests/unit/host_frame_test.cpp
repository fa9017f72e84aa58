// host_frame_test.cpp -- key arrays, the frame's clock arithmetic with Escape, and frame pacing
#include <gtest/gtest.h>

#include <cstring>

#include "common/frame_input.h"
#include "host/clock_fake.h"
#include "host/frame_pacing.h"
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

TEST(FramePacing, RefreshAndExtensionNames) {
    EXPECT_DOUBLE_EQ(RefreshPeriod(0), 1.0 / 60);  // the hardware default
    EXPECT_DOUBLE_EQ(RefreshPeriod(1), 1.0 / 60);
    EXPECT_DOUBLE_EQ(RefreshPeriod(75), 1.0 / 75);
    const char *list = "WGL_ARB_pixel_format WGL_EXT_swap_control_tear WGL_EXT_swap_control";
    EXPECT_TRUE(ExtensionListed(list, "WGL_EXT_swap_control"));
    EXPECT_FALSE(ExtensionListed("WGL_EXT_swap_control_tear", "WGL_EXT_swap_control"));
    EXPECT_FALSE(ExtensionListed("XWGL_EXT_swap_control", "WGL_EXT_swap_control"));
    EXPECT_FALSE(ExtensionListed(nullptr, "WGL_EXT_swap_control"));
}

TEST(FramePacing, WaitsOutTheFrameTimeAndMovesTheScheduleAfterALateFrame) {
    const double period = 1.0 / 64;  // exact in binary: the expected milliseconds are exact too
    FramePacer pacer;
    StartPacing(pacer, period, false, 10.0);
    EXPECT_EQ(MillisecondsBeforeFrame(pacer, 10.0), 0u);  // the first frame comes at once
    FrameStarts(pacer, 10.0);
    EXPECT_EQ(MillisecondsBeforeFrame(pacer, 10.005), 10u);
    EXPECT_EQ(MillisecondsBeforeFrame(pacer, 10.015), 0u);  // less than a millisecond left
    FrameStarts(pacer, 10.015);
    EXPECT_EQ(MillisecondsBeforeFrame(pacer, 10.020), 11u);  // the schedule keeps its step
    EXPECT_EQ(MillisecondsBeforeFrame(pacer, 5.0), 0u);  // the clock went back: no stall ...
    FrameStarts(pacer, 5.0);
    EXPECT_EQ(MillisecondsBeforeFrame(pacer, 5.0), 15u);  // ... and the schedule follows it
    FrameStarts(pacer, 10.5);  // a slow frame: the next one is due at once, the one after a frame later
    EXPECT_EQ(MillisecondsBeforeFrame(pacer, 10.5), 0u);
    FrameStarts(pacer, 10.5);
    EXPECT_EQ(MillisecondsBeforeFrame(pacer, 10.5), 15u);
}

TEST(FramePacing, ASwapIntervalThatLetsFramesRunFastGivesWayToWaiting) {
    const double period = 1.0 / 64;
    for (double step : {period, period / 4}) {
        FramePacer pacer;
        StartPacing(pacer, period, true, 0.0);
        double time = 0.0;
        for (int frame = 0; frame <= 2 * SWAP_CHECK_FRAMES && !pacer.waitForFrames; ++frame, time += step) {
            EXPECT_EQ(MillisecondsBeforeFrame(pacer, time), 0u);  // the swap paces while it is trusted
            FrameStarts(pacer, time);
        }
        EXPECT_EQ(pacer.waitForFrames, step < period) << step;
        if (pacer.waitForFrames) {
            EXPECT_EQ(MillisecondsBeforeFrame(pacer, time - step), 15u);
        }
    }
}
