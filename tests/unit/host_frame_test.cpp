// host_frame_test.cpp -- key presses and the frame's clock arithmetic, Escape included
#include <gtest/gtest.h>

#include "common/frame_input.h"
#include "host/clock_fake.h"
#include "host/game_calls.h"
#include "tests/support/game_driver.h"

TEST(Keys, AHeldKeyGivesOnePressThatStaysPendingUntilReadAndAReleasedOneNone) {
    for (int repeat = 0; repeat < 3; ++repeat) KeyGoesDown(KEY_SPACE);  // auto-repeat
    EXPECT_FALSE(ConsumeKeyPress(KEY_RIGHT));  // another key's press is not this one
    EXPECT_TRUE(ConsumeKeyPress(KEY_SPACE));
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
    const struct {
        double clock;
        bool escape, drawn;
        float now, dt;
    } frames[] = {
        // clock  Escape held  drawn   now    dt
        {0.25,    false,       true,   0.25f, 0.25f},  // from the clock's start
        {0.3,     false,       true,   0.3f,  0.3f - 0.25f},
        {1.2,     true,        false,  0.3f,  0.3f - 0.25f},
        {2.0,     true,        false,  0.3f,  0.3f - 0.25f},
        {2.5,     false,       true,   2.5f,  2.5f - 0.3f},
    };
    for (const auto &frame : frames) {
        frame.escape ? KeyGoesDown(KEY_ESCAPE) : KeyGoesUp(KEY_ESCAPE);
        SetScriptedClock(frame.clock);
        EXPECT_EQ(RunFrame(), frame.drawn) << frame.clock;
        EXPECT_EQ(frameInput.now, frame.now) << frame.clock;
        EXPECT_FLOAT_EQ(frameInput.dt, frame.dt) << frame.clock;
    }
}
