// flying_text_test.cpp -- letters flying in, resting, fading and flying away
#include <gtest/gtest.h>

#include "assets/flying_text.h"
#include "common/frame_input.h"
#include "host/offscreen_context.h"

namespace {

class FlyingTextTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateOffscreenContext(64, 64)); }
    void TearDown() override { DestroyOffscreenContext(); }

    // Steps and draws the effect for the given seconds at 50 frames a second.
    void Run(float seconds) {
        const int frames = static_cast<int>(seconds * 50.0f + 0.5f);
        frameInput.dt = 0.02f;
        for (int i = 0; i < frames; ++i) {
            frameInput.now += frameInput.dt;
            DrawFlyingText(effect);
        }
    }

    FlyingText effect{};
};

}  // namespace

TEST_F(FlyingTextTest, LongMessagesShowTheirFirstThirtyLettersAndOddCodesNone) {
    const char *text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    SpawnFlyingText(effect, text, 1.0f, 2.0f, 3.0f, 4.0f);
    Run(30.0f);
    for (int i = 0; i < FLYING_TEXT_LETTERS; ++i)
        EXPECT_TRUE(effect.letters[i].character == text[i] && effect.letters[i].z == 0.0f) << i;
    SpawnFlyingText(effect, "", 0, 0, 0, 4.0f);
    Run(1.0f);
    EXPECT_FLOAT_EQ(effect.letters[0].z, 0.0f) << "an empty message leaves the letters alone";
    // Codes without a glyph are stepped but not drawn (drawing them would read outside the glyph table).
    const char odd[] = {'A', '\x01', static_cast<char>(0xE9), 'B', 0};
    SpawnFlyingText(effect, odd, 0, 0, 0, 0.0f);
    Run(2.0f);
    EXPECT_FLOAT_EQ(effect.letters[1].alpha, 1.0f);
    EXPECT_FLOAT_EQ(effect.letters[2].z, 0.0f);
}

TEST_F(FlyingTextTest, LettersFadeInBelowThreeAndRestInTurn) {
    SpawnFlyingText(effect, "Level 3", -3.0f, 0.0f, -10.0f, 4.0f);
    // Letter 0 starts 4 away at 2 a second: invisible until it is nearer than 3 (after 0.5 s).
    Run(0.5f);
    EXPECT_FLOAT_EQ(effect.letters[0].alpha, 0.0f);
    Run(0.04f);
    EXPECT_GT(effect.letters[0].alpha, 0.0f);
    // Resting after (0 + 4) / 2 = 2 s.
    Run(1.5f);
    EXPECT_FLOAT_EQ(effect.letters[0].alpha, 1.0f);
    EXPECT_FLOAT_EQ(effect.letters[0].z, 0.0f);
    // Letter 6 starts at 10: arrives at 5 s.
    EXPECT_FLOAT_EQ(effect.letters[6].alpha, 0.0f);
    Run(3.0f);
    EXPECT_FLOAT_EQ(effect.letters[6].z, 0.0f);
    EXPECT_FLOAT_EQ(effect.letters[6].alpha, 1.0f);
    for (const FlyingLetter &letter : effect.letters) EXPECT_LE(letter.alpha, 1.0f + 0.02f) << "one frame's dt over 1 at most";
}

TEST_F(FlyingTextTest, ReleaseBeforeArrivalLeavesLateLettersUnseen) {
    SpawnFlyingText(effect, "Well done!", -5.0f, 0.0f, -10.0f, 4.0f);
    Run(1.0f);
    ReleaseFlyingText(effect);
    EXPECT_GT(effect.letters[0].alpha, 0.0f);
    for (int i = 0; i < 5; ++i) ReleaseFlyingText(effect);  // again each frame: no further effect
    Run(1.5f);
    for (int i = 0; i < 10; ++i) EXPECT_LE(effect.letters[i].alpha, 0.0f) << i;
    // Letter 9 was 11 away at release: it moves away without ever fading in.
    EXPECT_GT(effect.letters[9].z, 9.0f + 4.0f);
    EXPECT_FLOAT_EQ(effect.letters[9].alpha, 0.0f);
}
