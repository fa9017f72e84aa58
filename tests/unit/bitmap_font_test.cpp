// bitmap_font_test.cpp -- DrawText3D: letters upright in their places, codes without a glyph, opacity; and the flying text built on it: letters flying in, resting, fading and flying away
#include "assets/bitmap_font.h"
#include "assets/flying_text.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "host/offscreen_context.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const int kWidth = 128, kHeight = 32;

class BitmapFont : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateOffscreenContext(kWidth, kHeight));
        LoadFont();
        glMatrixMode(GL_PROJECTION);
        glOrtho(0, kWidth, 0, kHeight, -1, 1);
        glMatrixMode(GL_MODELVIEW);
    }
    void TearDown() override { DestroyOffscreenContext(); }

    // The brightness (red) of every pixel, row 0 at the top, after drawing text at (16, 16) with size 16.
    static std::vector<int> Draw(const char *text, float alpha = 1.0f) {
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(16.0f, 16.0f, 0.0f);
        DrawText3D(text, 16.0f, alpha);
        const uint8_t *pixels = ReadOffscreenPixels();
        std::vector<int> red(kWidth * kHeight);
        for (int i = 0; i < kWidth * kHeight; ++i) red[i] = pixels[4 * i];
        return red;
    }
    // Steps and draws the flying text for the given seconds at 50 frames a second.
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
using FlyingTextTest = BitmapFont;

}  // namespace

TEST_F(BitmapFont, LettersUprightInTheirPlacesCodesWithoutAGlyphBlankAndAlphaTheOpacity) {
    const std::vector<int> one = Draw("H"), spaced = Draw("H H");
    EXPECT_GT(std::count_if(one.begin(), one.end(), [](int r) { return r > 40; }), 20);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(spaced[y * kWidth + x], x < 32 ? one[y * kWidth + x] : one[y * kWidth + x - 32]) << x << "," << y;
    // "T" has its bar in its topmost lit row (screen rows run down).
    const std::vector<int> tee = Draw("T");
    std::vector<int> litPerRow;
    for (int y = 0; y < kHeight; ++y) {
        const int lit = static_cast<int>(std::count_if(&tee[y * kWidth], &tee[y * kWidth + 32], [](int r) { return r > 100; }));
        if (lit > 0) litPerRow.push_back(lit);
    }
    ASSERT_GT(litPerRow.size(), 4u);
    EXPECT_GE(litPerRow.front(), 8);
    EXPECT_LE(litPerRow.back(), 4);

    // Signed chars (codes 128..255 arrive negative), control codes and
    // the blank cells all behave like the space: nothing drawn, the place kept.
    const char outside[][4] = {{'H', static_cast<char>(0xC8), 'H', 0}, {'H', static_cast<char>(0xFF), 'H', 0},
                               {'H', '\x01', 'H', 0}, {'H', '\x7F', 'H', 0}, {'H', '@', 'H', 0}};
    for (const char *text : outside) EXPECT_EQ(Draw(text), spaced) << static_cast<int>(text[1]);
    const std::vector<int> full = Draw("W"), half = Draw("W", 0.5f);
    EXPECT_EQ(*std::max_element(full.begin(), full.end()), 255);
    EXPECT_NEAR(*std::max_element(half.begin(), half.end()), 128, 2);
}

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
