// bitmap_font_test.cpp -- DrawText3D: letters upright in their places, codes without a glyph, opacity
#include "assets/bitmap_font.h"
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
};

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
