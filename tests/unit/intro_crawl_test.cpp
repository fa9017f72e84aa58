// intro_crawl_test.cpp -- the story the crawl shows: upright, tinted blue, the chosen one (its motion and fade: game_flow_test)
#include <gtest/gtest.h>

#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "tests/support/scene_harness.h"

namespace {

const int WIDTH = 320, HEIGHT = 240;

class IntroCrawlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{WIDTH, HEIGHT}));
        textures.slots[TEXTURE_CRAWL_CAPTAIN] = QuadrantTexture();
        textures.slots[TEXTURE_CRAWL_HEROINE] = SolidTexture(0, 255, 0, 255);
        textures.slots[TEXTURE_CRAWL_GENERAL] = SolidTexture(255, 255, 255, 0);  // a story with nothing written
        BuildCrawlPlaneList();
        intro.crawlPosition = 0.0f;  // the near edge at the middle of the view
        frameInput.dt = 0.0f;
    }
    void TearDown() override { CloseTestScene(); }
    // One crawl frame in eye coordinates, as the renderer draws it.
    Rgba DrawCrawlFrame(int x, int y) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-0.5523, 0.5523, -0.4142, 0.4142, 1.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_LIGHTING);
        DrawIntroCrawl();
        return PixelAt(x, y);
    }
};

TEST_F(IntroCrawlTest, ShowsTheChosenStoryUprightAndTintedBlue) {
    // The story's top row lies at the far edge and its left column on the left; the tint is (0.25, 0.5, 1).
    const struct {
        int x, y;
        uint8_t r, g, b;
    } probes[] = {
        // x   y    tinted colour     texel
        {130, 140,  0,  0,   255},  // near left: blue
        {190, 140,  64, 128, 255},  // near right: white
        {130, 180,  64, 0,   0},    // far left: red
        {190, 180,  0,  128, 0},    // far right: green
    };
    for (const auto &probe : probes) {
        const Rgba p = DrawCrawlFrame(probe.x, probe.y);
        EXPECT_NEAR(p.r, probe.r, 3) << probe.x << ", " << probe.y;
        EXPECT_NEAR(p.g, probe.g, 3) << probe.x << ", " << probe.y;
        EXPECT_NEAR(p.b, probe.b, 3) << probe.x << ", " << probe.y;
    }
    EXPECT_TRUE(IsBlack(DrawCrawlFrame(WIDTH / 2, HEIGHT / 2 - 20)));  // nothing nearer than the plane's edge

    intro.crawlTextureSlot = TEXTURE_CRAWL_HEROINE;
    intro.crawlAlpha = 0.5f;
    const Rgba half = DrawCrawlFrame(WIDTH / 2, HEIGHT / 2 + 20);
    EXPECT_NEAR(half.r, 0, 2);
    EXPECT_NEAR(half.g, 64, 3);
    EXPECT_NEAR(half.b, 0, 2);

    intro.crawlTextureSlot = TEXTURE_CRAWL_GENERAL;
    DrawCrawlFrame(0, 0);
    EXPECT_EQ(LitPixelCount(), 0);

    // A slot outside the table falls back to the first story.
    intro.crawlAlpha = 1.0f;
    for (int outside : {21, -5}) {
        intro.crawlTextureSlot = outside;
        EXPECT_NEAR(DrawCrawlFrame(130, 140).b, 255, 3) << outside;
    }
}

}  // namespace
