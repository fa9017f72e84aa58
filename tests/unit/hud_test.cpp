// hud_test.cpp -- the score line and the life icons
#include <gtest/gtest.h>

#include <cstring>

#include "assets/display_lists.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/screens_hud.h"
#include "tests/support/scene_harness.h"

namespace {

TEST(ScoreLine, RightAlignsTheWholeScoreInFivePlacesAndHoldsAnyValue) {
    const struct {
        double score;
        const char *line;
    } cases[] = {{42.0, "Score:   42"},       {512.75, "Score:  512"},         {-0.9, "Score:    0"},
                 {1234567.0, "Score:1234567"}, {1e300, "Score:2147483647"},     {-1.0 / 0.0, "Score:-2147483648"},
                 {0.0 / 0.0, "Score:    0"}};
    for (const auto &c : cases) {
        char text[32];
        FormatScoreLine(text, sizeof text, c.score);
        EXPECT_STREQ(text, c.line) << c.score;
    }
}

const int WIDTH = 1024, HEIGHT = 768;
const int STRIP_LEFT = (WIDTH - 626) / 2;
const int ICON_Y = HEIGHT - 20;

class HudTest : public ::testing::Test {
protected:
    CharacterRecord record{};
    void SetUp() override {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{WIDTH, HEIGHT}));
        textures.slots[TEXTURE_MASK_CAPTAIN] = SolidTexture(0, 0, 0, 255);    // mask: the figure covers the whole icon
        textures.slots[TEXTURE_COLOUR_CAPTAIN] = SolidTexture(255, 0, 0, 255);  // colour: a red figure
        record.colourSlot = TEXTURE_COLOUR_CAPTAIN;
        record.maskSlot = TEXTURE_MASK_CAPTAIN;
        const Vec2 corners[4] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
        std::memcpy(record.texCoord[2], corners, sizeof corners);
        playerController.character = &record;
        frameInput.dt = 0.0f;
    }
    void TearDown() override { CloseTestScene(); }
};

TEST_F(HudTest, OneIconALifeOnTheCentredStripInPlayAndAfterALevelOnly) {
    const struct {
        int state, lives, redPixels, lastIconX;  // lastIconX: from the strip's left, 0: no icon
    } cases[] = {{STATE_PLAY, 3, 90, 310}, {STATE_PLAY, 0, 0, 0},   {STATE_LEVEL_COMPLETE, 1, 30, 250},
                 {STATE_TITLE, 3, 0, 0},   {STATE_SELECT, 3, 0, 0}};
    for (const auto &c : cases) {
        flow.gameState = c.state;
        playerController.lives = c.lives;
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(ORTHO_OVERLAY_LIST);  // the overlay projection the start-up compiled for this window
        DrawOverlay();
        int red = 0;
        for (int x = 0; x < WIDTH; ++x) red += IsRed(PixelAt(x, ICON_Y));
        EXPECT_NEAR(red, c.redPixels, 2) << c.state;
        if (!c.lastIconX) continue;
        // The last icon, 30 pixels square: the mask pass blacks out the blue, the colour pass adds the figure.
        const int x = STRIP_LEFT + c.lastIconX;
        EXPECT_TRUE(IsRed(PixelAt(x, ICON_Y + 13)) && IsRed(PixelAt(x, ICON_Y - 13))) << x;
        EXPECT_FALSE(IsRed(PixelAt(x, ICON_Y - 17)) || IsRed(PixelAt(x + 17, ICON_Y))) << x;
    }
}

}  // namespace
