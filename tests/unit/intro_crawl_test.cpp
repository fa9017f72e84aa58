// intro_crawl_test.cpp -- the crawl's motion, its late fade and the story texture it shows
#include <gtest/gtest.h>

#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "render/scene_setup.h"
#include "tests/support/screens_fixture.h"

namespace {

const int WIDTH = 320, HEIGHT = 240;

class IntroCrawlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenScreensContext(WIDTH, HEIGHT));
        for (int i = 0; i < TEXTURE_SLOT_COUNT; ++i) textures.slots[i] = TEXTURE_SLOT_EMPTY;
        textures.slots[TEXTURE_CRAWL_CAPTAIN] = SolidTexture(255, 255, 255, 255);
        textures.slots[TEXTURE_CRAWL_HEROINE] = SolidTexture(0, 255, 0, 255);
        textures.slots[TEXTURE_CRAWL_GENERAL] = SolidTexture(255, 255, 255, 0);  // a story with nothing written
        BuildCrawlPlaneList();
        intro.crawlPosition = 57.5f;
        intro.crawlAlpha = 1.0f;
        intro.crawlTextureSlot = TEXTURE_CRAWL_CAPTAIN;
    }
    void TearDown() override { CloseScreensContext(); }
    // One crawl frame in eye coordinates, as the renderer draws it.
    void DrawCrawlFrame(float frameTime) {
        frameInput.dt = frameTime;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-0.5523, 0.5523, -0.4142, 0.4142, 1.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_LIGHTING);
        DrawIntroCrawl();
    }
};

TEST_F(IntroCrawlTest, RecedesAtOneAndAHalfUnitsASecondAndFadesOnlyPastMinusTwenty) {
    int frames = 0;
    while (intro.crawlPosition >= -20.0f) {
        DrawCrawlFrame(0.1f);
        ++frames;
        if (intro.crawlPosition >= -20.0f) {
            ASSERT_EQ(intro.crawlAlpha, 1.0f) << intro.crawlPosition;
        }
    }
    EXPECT_NEAR(frames * 0.1f, 77.5f / 1.5f, 0.11f);
    EXPECT_NEAR(intro.crawlAlpha, 0.9f, 1e-5f);  // the frame that passed -20 already fades
    for (int i = 0; i < 20; ++i) DrawCrawlFrame(0.1f);
    EXPECT_LT(intro.crawlAlpha, -1.0f);  // no lower bound
    EXPECT_EQ(LitPixelCount(), 0);  // fully faded: nothing shows
}

TEST_F(IntroCrawlTest, ShowsTheChosenStoryTintedBlueAndHandsBackTheUsualState) {
    intro.crawlPosition = 1.5f;
    DrawCrawlFrame(1.0f);  // now at 0: the near edge at the middle of the view
    EXPECT_FLOAT_EQ(intro.crawlPosition, 0.0f);
    const Rgba tinted = PixelAt(WIDTH / 2, HEIGHT / 2 + 20);
    EXPECT_NEAR(tinted.r, 64, 3);
    EXPECT_NEAR(tinted.g, 128, 3);
    EXPECT_NEAR(tinted.b, 255, 3);
    EXPECT_TRUE(IsBlack(PixelAt(WIDTH / 2, HEIGHT / 2 - 20)));  // nothing nearer than the plane's edge
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    intro.crawlTextureSlot = TEXTURE_CRAWL_HEROINE;
    intro.crawlAlpha = 0.5f;
    intro.crawlPosition = 0.0f;
    DrawCrawlFrame(0.0f);
    const Rgba half = PixelAt(WIDTH / 2, HEIGHT / 2 + 20);
    EXPECT_NEAR(half.r, 0, 2);
    EXPECT_NEAR(half.g, 64, 3);
    EXPECT_NEAR(half.b, 0, 2);

    intro.crawlTextureSlot = TEXTURE_CRAWL_GENERAL;
    DrawCrawlFrame(0.0f);
    EXPECT_EQ(LitPixelCount(), 0);

    // A slot outside the table falls back to the first story (white, tinted blue).
    intro.crawlAlpha = 1.0f;
    for (int outside : {21, -5}) {
        intro.crawlTextureSlot = outside;
        DrawCrawlFrame(0.0f);
        EXPECT_NEAR(PixelAt(WIDTH / 2, HEIGHT / 2 + 20).b, 255, 3) << outside;
    }
}

}  // namespace
