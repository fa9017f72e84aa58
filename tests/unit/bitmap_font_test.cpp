// bitmap_font_test.cpp -- glyph textures and list, DrawText3D placement, opacity and the state it leaves
#include "assets/bitmap_font.h"
#include "assets/texture_loader.h"
#include "assets/display_lists.h"
#include "common/gl.h"
#include "host/offscreen_context.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const int kWidth = 128, kHeight = 32;

class BitmapFont : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateOffscreenContext(kWidth, kHeight));
        LoadFont();
        glViewport(0, 0, kWidth, kHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kWidth, 0, kHeight, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
    }
    void TearDown() override { DestroyOffscreenContext(); }

    // The brightness (red) of every pixel after drawing text at (16, 16) with size 16.
    static std::vector<int> Draw(const char *text, float alpha = 1.0f) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(16.0f, 16.0f, 0.0f);
        DrawText3D(text, 16.0f, alpha);
        const uint8_t *pixels = ReadOffscreenPixels();
        std::vector<int> red(kWidth * kHeight);
        for (int i = 0; i < kWidth * kHeight; ++i) red[i] = pixels[4 * i];
        return red;
    }

    // First and last lit column in [from, to), or -1, -1.
    static std::pair<int, int> LitColumns(const std::vector<int> &red, int from, int to) {
        std::pair<int, int> span{-1, -1};
        for (int x = from; x < to; ++x)
            for (int y = 0; y < kHeight; ++y)
                if (red[y * kWidth + x] > 40) {
                    if (span.first < 0) span.first = x;
                    span.second = x;
                }
        return span;
    }

    // What DrawText3D leaves behind: blending and texturing off, no emission, white at `alpha`.
    static void ExpectStateLeft(float alpha) {
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        GLfloat emission[4], colour[4];
        glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
        EXPECT_EQ(std::vector<GLfloat>(emission, emission + 4), (std::vector<GLfloat>{0, 0, 0, 1}));
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_FLOAT_EQ(colour[0], 1.0f);
        EXPECT_FLOAT_EQ(colour[3], alpha);
    }
};

}  // namespace

TEST_F(BitmapFont, LoadFontMakesNinetySixGlyphsAndTheQuadList) {
    for (int k = 0; k < GLYPH_COUNT; ++k) ASSERT_TRUE(glIsTexture(textures.glyphs[k])) << k;
    EXPECT_TRUE(glIsList(GLYPH_QUAD_LIST));
}

TEST_F(BitmapFont, SecondLetterAfterASpaceIsCentredAtTwiceTheSize) {
    std::vector<int> one = Draw("H");
    std::vector<int> spaced = Draw("H H");
    std::pair<int, int> alone = LitColumns(one, 0, kWidth);
    ASSERT_GT(alone.second - alone.first, 3);
    // The first letter is where it is alone; the second the same shape 32 pixels on.
    EXPECT_EQ(LitColumns(spaced, 0, 32), alone);
    EXPECT_EQ(LitColumns(spaced, 32, kWidth), std::make_pair(alone.first + 32, alone.second + 32));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x + 32 < kWidth; ++x)
            ASSERT_EQ(spaced[y * kWidth + x + 32], one[y * kWidth + x]) << x << "," << y;
    ExpectStateLeft(1.0f);
    // The glyph sits upright: "T" has its bar in its topmost lit row (screen rows run down).
    std::vector<int> tee = Draw("T");
    std::vector<int> litPerRow;
    for (int y = 0; y < kHeight; ++y) {
        int lit = 0;
        for (int x = 0; x < 32; ++x) lit += tee[y * kWidth + x] > 100;
        if (lit > 0) litPerRow.push_back(lit);
    }
    ASSERT_GT(litPerRow.size(), 4u);
    EXPECT_GE(litPerRow.front(), 8);
    EXPECT_LE(litPerRow.back(), 4);
}

TEST_F(BitmapFont, CharactersOutsideTheFontDrawNothingButKeepTheirPlace) {
    std::vector<int> spaced = Draw("H H");
    // Signed chars (codes 128..255 arrive negative), control codes and
    // the blank cells all behave like the space.
    const char outside[][4] = {{'H', static_cast<char>(0xC8), 'H', 0}, {'H', static_cast<char>(0xFF), 'H', 0},
                               {'H', '\x01', 'H', 0}, {'H', '\x7F', 'H', 0}, {'H', '@', 'H', 0}};
    for (const char *text : outside) EXPECT_EQ(Draw(text), spaced) << static_cast<int>(text[1]);
    EXPECT_EQ(Draw(""), std::vector<int>(kWidth * kHeight, 0));
    ExpectStateLeft(1.0f);
    EXPECT_EQ(Draw("   "), std::vector<int>(kWidth * kHeight, 0));
}

TEST_F(BitmapFont, HalfAlphaDrawsAtHalfOpacityAndLeavesTheState) {
    std::vector<int> full = Draw("W");
    EXPECT_EQ(*std::max_element(full.begin(), full.end()), 255);
    std::vector<int> half = Draw("W", 0.5f);
    EXPECT_NEAR(*std::max_element(half.begin(), half.end()), 128, 2);
    ExpectStateLeft(0.5f);
}
