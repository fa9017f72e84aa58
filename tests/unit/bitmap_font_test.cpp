// bitmap_font_test.cpp -- glyph textures and list, DrawText3D placement, opacity and the state it leaves
#include "assets/bitmap_font.h"
#include "common/gl.h"
#include "host/offscreen_context.h"
#include "render/scene_setup.h"

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
        glViewport(0, 0, kWidth, kHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kWidth, 0, kHeight, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
    }
    void TearDown() override { DestroyOffscreenContext(); }

    // The brightness (red) of every pixel after drawing text at (16, 16) with size 16.
    std::vector<int> Draw(const char *text, float alpha = 1.0f) {
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

    static int LitColumns(const std::vector<int> &red, int from, int to, int *first, int *last) {
        int count = 0;
        *first = -1;
        *last = -1;
        for (int x = from; x < to; ++x) {
            bool lit = false;
            for (int y = 0; y < kHeight; ++y) lit = lit || red[y * kWidth + x] > 40;
            if (lit) {
                if (*first < 0) *first = x;
                *last = x;
                ++count;
            }
        }
        return count;
    }
};

void ExpectContractState(float alpha) {
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLfloat emission[4];
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    EXPECT_FLOAT_EQ(emission[0], 0.0f);
    EXPECT_FLOAT_EQ(emission[1], 0.0f);
    EXPECT_FLOAT_EQ(emission[2], 0.0f);
    EXPECT_FLOAT_EQ(emission[3], 1.0f);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[3], alpha);
}

}  // namespace

TEST_F(BitmapFont, LoadFontMakesNinetySixGlyphsAndTheQuadList) {
    for (int k = 0; k < GLYPH_COUNT; ++k) ASSERT_TRUE(glIsTexture(glyphTextures[k])) << k;
    EXPECT_TRUE(glIsList(GLYPH_QUAD_LIST));
}

TEST_F(BitmapFont, SecondLetterAfterASpaceIsCentredAtTwiceTheSize) {
    std::vector<int> one = Draw("H");
    std::vector<int> spaced = Draw("H H");
    int a0, a1, b0, b1;
    ASSERT_GT(LitColumns(one, 0, kWidth, &a0, &a1), 3);
    // The first letter is where it is alone; the second the same shape 32 pixels on.
    ASSERT_GT(LitColumns(spaced, 0, 32, &b0, &b1), 3);
    EXPECT_EQ(b0, a0);
    EXPECT_EQ(b1, a1);
    ASSERT_GT(LitColumns(spaced, 32, kWidth, &b0, &b1), 3);
    EXPECT_EQ(b0, a0 + 32);
    EXPECT_EQ(b1, a1 + 32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x + 32 < kWidth; ++x)
            ASSERT_EQ(spaced[y * kWidth + x + 32], one[y * kWidth + x]) << x << "," << y;
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
    ExpectContractState(1.0f);
}

TEST_F(BitmapFont, CharactersOutsideTheFontDrawNothingButKeepTheirPlace) {
    std::vector<int> spaced = Draw("H H");
    // Signed chars (codes 128..255 arrive negative), control codes and
    // the blank cells all behave like the space.
    const char outside[][4] = {{'H', static_cast<char>(0xC8), 'H', 0}, {'H', static_cast<char>(0xFF), 'H', 0},
                               {'H', '\x01', 'H', 0}, {'H', '\x7F', 'H', 0}, {'H', '@', 'H', 0}};
    for (const char *text : outside) EXPECT_EQ(Draw(text), spaced) << static_cast<int>(text[1]);
    std::vector<int> blank = Draw("");
    for (int v : blank) ASSERT_EQ(v, 0);
    ExpectContractState(1.0f);
    std::vector<int> spaces = Draw("   ");
    EXPECT_EQ(spaces, blank);
}

TEST_F(BitmapFont, HalfAlphaDrawsAtHalfOpacityAndLeavesTheState) {
    std::vector<int> full = Draw("W");
    int brightest = 0;
    for (int v : full) brightest = std::max(brightest, v);
    EXPECT_EQ(brightest, 255);
    std::vector<int> half = Draw("W", 0.5f);
    int halfBrightest = 0;
    for (int v : half) halfBrightest = std::max(halfBrightest, v);
    EXPECT_NEAR(halfBrightest, 128, 2);
    ExpectContractState(0.5f);
}
