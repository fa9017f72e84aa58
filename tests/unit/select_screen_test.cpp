// select_screen_test.cpp -- where the select screen's rows end up, where they come from, and the highlight bar
#include <gtest/gtest.h>

#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "game/game_state.h"
#include "render/screens_hud.h"
#include "tests/support/scene_harness.h"

namespace {

const int WIDTH = 1024, HEIGHT = 768;
const int PORTRAIT_X = WIDTH / 2 - 168;
const int ROW_Y[3] = {HEIGHT / 2 + 130, HEIGHT / 2 + 10, HEIGHT / 2 - 110};

bool IsBarBlue(Rgba p) { return p.r < 30 && p.g > 100 && p.g < 160 && p.b > 220; }

class SelectScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{WIDTH, HEIGHT}));
        textures.slots[TEXTURE_HIGHLIGHT] = SolidTexture(255, 255, 255, 255);
        for (int slot = TEXTURE_PORTRAIT_CAPTAIN; slot <= TEXTURE_PORTRAIT_GENERAL; ++slot)
            textures.slots[slot] = SolidTexture(255, 0, 0, 255);
        flow.gameState = STATE_SELECT;
    }
    void TearDown() override { CloseTestScene(); }
    void Draw(float slideBefore, float frameTime) {
        overlay.selectSlide = slideBefore;
        frameInput.dt = frameTime;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        LoadOverlayProjection(WIDTH, HEIGHT);
        DrawOverlay();
    }
};

TEST_F(SelectScreenTest, AfterOneSecondTheRowsRestOnTheirCentreLinesAndOnlyTheChosenRowHasTheBar) {
    flow.selectedCharacter = 0;
    Draw(0.0f, 0.6f);
    EXPECT_FLOAT_EQ(overlay.selectSlide, 0.6f);
    Draw(0.6f, 0.6f);
    EXPECT_EQ(overlay.selectSlide, 1.0f);  // capped
    // Portraits are 80 x 160, centred 168 pixels left of the middle.
    const struct { int dx, dy; bool red; } probes[] = {{0, 0, true}, {0, 78, true}, {-38, 0, true}, {-42, 0, false}};
    for (int r = 0; r < 3; ++r)
        for (const auto &p : probes) EXPECT_EQ(IsRed(PixelAt(PORTRAIT_X + p.dx, ROW_Y[r] + p.dy)), p.red) << r << " " << p.dx;
    EXPECT_FALSE(IsRed(PixelAt(PORTRAIT_X, ROW_Y[2] - 90)));
    for (int chosen = 0; chosen < 3; ++chosen) {
        flow.selectedCharacter = chosen;
        Draw(1.0f, 0.0f);
        for (int r = 0; r < 3; ++r) {
            // Right of the longest name, inside the 500 x 140 bar; bars of
            // neighbouring rows would overlap by 20 pixels.
            const bool bar = IsBarBlue(PixelAt(WIDTH / 2 + 235, ROW_Y[r] + 45));
            EXPECT_EQ(bar, r == chosen) << chosen << " " << r;
            EXPECT_FALSE(IsBarBlue(PixelAt(WIDTH / 2 + 255, ROW_Y[r] + 45)));
        }
        EXPECT_TRUE(IsBarBlue(PixelAt(WIDTH / 2 - 245, ROW_Y[chosen] - 67)));
        EXPECT_FALSE(IsBarBlue(PixelAt(WIDTH / 2 - 245, ROW_Y[chosen] - 73)));
    }
}

TEST_F(SelectScreenTest, RowsStartOffScreenAndZeroAndTwoComeFromTheRightAndRowOneFromTheLeft) {
    flow.selectedCharacter = 1;
    Draw(0.8f, 0.1f);  // 0.9 of the way: a tenth of the width still to go
    const int offset = static_cast<int>(WIDTH * 0.1f + 0.5f);
    EXPECT_TRUE(IsRed(PixelAt(PORTRAIT_X + offset, ROW_Y[0])));
    EXPECT_TRUE(IsRed(PixelAt(PORTRAIT_X - offset, ROW_Y[1])));
    EXPECT_TRUE(IsRed(PixelAt(PORTRAIT_X + offset, ROW_Y[2])));
    for (int r = 0; r < 3; ++r) EXPECT_FALSE(IsRed(PixelAt(PORTRAIT_X, ROW_Y[r]))) << r;
    // The bar travels with its row.
    EXPECT_TRUE(IsBarBlue(PixelAt(WIDTH / 2 - offset + 200, ROW_Y[1] + 45)));
    EXPECT_FALSE(IsBarBlue(PixelAt(WIDTH / 2 + offset + 200, ROW_Y[1] + 45)));

    // At the start every row is off screen.
    flow.selectedCharacter = 2;
    Draw(0.0f, 0.0f);
    int coloured = 0;
    for (int y = 0; y < HEIGHT; y += 4)
        for (int x = 0; x < WIDTH; x += 4) coloured += IsRed(PixelAt(x, y)) || IsBarBlue(PixelAt(x, y));
    EXPECT_EQ(coloured, 0);
}

}  // namespace
