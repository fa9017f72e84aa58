// hud_test.cpp -- the score line, the life icons and the state the overlay hands back
#include <gtest/gtest.h>

#include <cstring>

#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/screens_hud.h"
#include "tests/support/screens_fixture.h"

namespace {

TEST(ScoreLine, RightAlignsTheWholeScoreInFivePlaces) {
    const struct {
        double score;
        const char *line;
    } cases[] = {{42.0, "Score:   42"},       {512.75, "Score:  512"},         {-0.9, "Score:    0"},
                 {1234567.0, "Score:1234567"}, {1e300, "Score:2147483647"}};
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
        ASSERT_TRUE(OpenScreensContext(WIDTH, HEIGHT));
        for (int i = 0; i < TEXTURE_SLOT_COUNT; ++i) textures.slots[i] = TEXTURE_SLOT_EMPTY;
        textures.slots[TEXTURE_MASK_CAPTAIN] = SolidTexture(0, 0, 0, 255);    // mask: the figure covers the whole icon
        textures.slots[TEXTURE_COLOUR_CAPTAIN] = SolidTexture(255, 0, 0, 255);  // colour: a red figure
        record.colourSlot = TEXTURE_COLOUR_CAPTAIN;
        record.maskSlot = TEXTURE_MASK_CAPTAIN;
        const Vec2 corners[4] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
        std::memcpy(record.texCoord[2], corners, sizeof corners);
        playerController.character = &record;
        playerController.level = 1;
        playerController.score = 0.0;
        playerController.dying = 0;
        flow.gameState = STATE_PLAY;
        frameInput.dt = 0.0f;
    }
    void TearDown() override {
        playerController.character = nullptr;
        flow.gameState = STATE_TITLE;
        CloseScreensContext();
    }
    void DrawOnBlue() {
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        LoadOverlayProjection(WIDTH, HEIGHT);
        DrawOverlay();
    }
    int RedPixelsInIconRow() {
        int red = 0;
        for (int x = 0; x < WIDTH; ++x) red += IsRed(PixelAt(x, ICON_Y));
        return red;
    }
};

TEST_F(HudTest, ThreeLivesShowThreeIconsOnTheCentredStrip) {
    playerController.lives = 3;
    DrawOnBlue();
    for (int i = 0; i < 3; ++i) {
        const int x = STRIP_LEFT + 250 + 30 * i;
        // The mask pass blacks out the blue, the colour pass adds the figure.
        EXPECT_TRUE(IsRed(PixelAt(x, ICON_Y))) << i;
        EXPECT_TRUE(IsRed(PixelAt(x, ICON_Y + 13))) << i;
        EXPECT_TRUE(IsRed(PixelAt(x, ICON_Y - 13))) << i;
        EXPECT_FALSE(IsRed(PixelAt(x, ICON_Y - 17))) << i;
    }
    EXPECT_FALSE(IsRed(PixelAt(STRIP_LEFT + 250 - 17, ICON_Y)));
    EXPECT_FALSE(IsRed(PixelAt(STRIP_LEFT + 310 + 17, ICON_Y)));
    EXPECT_NEAR(RedPixelsInIconRow(), 90, 2);
}

TEST_F(HudTest, IconsPerLivesAndPhase) {
    const struct {
        int state, lives, redPixels;
    } cases[] = {{STATE_PLAY, 0, 0}, {STATE_LEVEL_COMPLETE, 1, 30}, {STATE_TITLE, 3, 0}, {STATE_SELECT, 3, 0}};
    for (const auto &c : cases) {
        flow.gameState = c.state;
        playerController.lives = c.lives;
        DrawOnBlue();
        EXPECT_NEAR(RedPixelsInIconRow(), c.redPixels, 2) << c.state;
    }
}

TEST_F(HudTest, EveryPhaseHandsBackTheUsualState) {
    playerController.lives = 2;
    for (int state = STATE_TITLE; state <= STATE_NAME_ENTRY; ++state) {
        flow.gameState = state;
        glDisable(GL_DEPTH_TEST);
        DrawOnBlue();
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << state;
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << state;
        EXPECT_FALSE(glIsEnabled(GL_BLEND)) << state;
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << state;
        GLint source = 0, destination = 0;
        glGetIntegerv(GL_BLEND_SRC, &source);
        glGetIntegerv(GL_BLEND_DST, &destination);
        EXPECT_EQ(source, GL_SRC_ALPHA) << state;
        EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA) << state;
        float emission[4] = {};
        glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
        EXPECT_EQ(emission[0], 0.0f) << state;
        EXPECT_EQ(emission[3], 1.0f) << state;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << state;
    }
}

}  // namespace
