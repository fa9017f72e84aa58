// host_frame_test.cpp -- key presses, the frame's clock arithmetic with Escape, and frame pacing
#include <gtest/gtest.h>

#include "common/extension_list.h"
#include "common/frame_input.h"
#include "game/player.h"
#include "host/clock_fake.h"
#include "host/frame_pacing.h"
#include "host/game_calls.h"
#include "tests/support/game_driver.h"

TEST(Keys, AHeldKeyGivesOnePressThatStaysPendingUntilReadAndAReleasedOneNone) {
    for (int repeat = 0; repeat < 3; ++repeat) KeyGoesDown(KEY_SPACE);  // auto-repeat
    EXPECT_FALSE(ConsumeKeyPress(KEY_RIGHT));  // another key's press is not this one
    EXPECT_TRUE(ConsumeKeyPress(KEY_SPACE));
    EXPECT_FALSE(ConsumeKeyPress(KEY_SPACE));
    KeyGoesDown(KEY_SPACE);  // a repeat after the press was read adds none
    EXPECT_FALSE(ConsumeKeyPress(KEY_SPACE));
    KeyGoesUp(KEY_SPACE);
    KeyGoesDown(KEY_SPACE);
    EXPECT_TRUE(ConsumeKeyPress(KEY_SPACE));
    // Pressed and released between two frames: never seen.
    KeyGoesDown('A');
    KeyGoesUp('A');
    EXPECT_FALSE(ConsumeKeyPress('A'));
}

// dt is 1 before the first frame, then the time between readings; a held
// Escape cuts frames short, and the next drawn frame spans the whole hold.
TEST_F(GameTest, FrameClockMeasuresFromReadingToReadingAndEscapeSkipsFrames) {
    EXPECT_EQ(frameInput.dt, 1.0f);
    const struct { double clock; bool escape, drawn; float now, dt; } frames[] = {
        // clock    Escape held  drawn  now          dt
        {0.25,      false,       true,  0.25f,       0.25f},  // from the clock's start
        {0.3,       false,       true,  0.3f,        0.3f - 0.25f},
        {1.2,       true,        false, 0.3f,        0.3f - 0.25f},
        {2.0,       true,        false, 0.3f,        0.3f - 0.25f},
        {2.5,       false,       true,  2.5f,        2.5f - 0.3f},
        // Days into a run a float reading steps by 1/64 s: dt comes from the readings themselves.
        {200000.0,  false,       true,  200000.0f,   199997.5f},
        {200000.01, false,       true,  200000.01f,  0.01f},
        {200000.02, false,       true,  200000.02f,  0.01f},
        {200000.03, false,       true,  200000.03f,  0.01f},
    };
    for (const auto &frame : frames) {
        frame.escape ? KeyGoesDown(KEY_ESCAPE) : KeyGoesUp(KEY_ESCAPE);
        SetScriptedClock(frame.clock);
        EXPECT_EQ(RunFrame(), frame.drawn) << frame.clock;
        EXPECT_EQ(frameInput.now, frame.now) << frame.clock;
        EXPECT_FLOAT_EQ(frameInput.dt, frame.dt) << frame.clock;
    }
    // Play steps up to the last frame's full reading (its float is 200000.015625, a step short).
    EXPECT_EQ(playClock.steps, 24000002);
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
