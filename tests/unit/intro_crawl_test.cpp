// intro_crawl_test.cpp -- the story the crawl shows: upright, tinted blue, the chosen one (its motion and fade: game_flow_test)
#include <gtest/gtest.h>

#include <cstdlib>

#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "render/gl_setup.h"
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
        SetProjection(WIDTH, HEIGHT);  // the scene's own perspective, the modelview reset
        glEnable(GL_LIGHTING);
        DrawIntroCrawl();
        return PixelAt(x, y);
    }
};

TEST_F(IntroCrawlTest, ShowsTheChosenStoryUprightAndTintedBlue) {
    // The story's top row lies at the far edge and its left column on the left; the tint is (0.25, 0.5, 1).
    // Near left blue, near right white, far left red, far right green; then the heroine's green story at half alpha.
    const struct { int slot, x, y; float alpha; int r, g, b; } probes[] = {
        {TEXTURE_CRAWL_CAPTAIN, 130, 140, 1.0f, 0, 0, 255}, {TEXTURE_CRAWL_CAPTAIN, 190, 140, 1.0f, 64, 128, 255},
        {TEXTURE_CRAWL_CAPTAIN, 130, 180, 1.0f, 64, 0, 0},  {TEXTURE_CRAWL_CAPTAIN, 190, 180, 1.0f, 0, 128, 0},
        {TEXTURE_CRAWL_HEROINE, 160, 140, 0.5f, 0, 64, 0}};
    for (const auto &probe : probes) {
        intro.crawlTextureSlot = probe.slot;
        intro.crawlAlpha = probe.alpha;
        const Rgba p = DrawCrawlFrame(probe.x, probe.y);
        EXPECT_TRUE(std::abs(p.r - probe.r) <= 3 && std::abs(p.g - probe.g) <= 3 && std::abs(p.b - probe.b) <= 3)
            << probe.x << ", " << probe.y << ": " << int(p.r) << " " << int(p.g) << " " << int(p.b);
    }
    EXPECT_TRUE(IsBlack(DrawCrawlFrame(WIDTH / 2, HEIGHT / 2 - 20)));  // nothing nearer than the plane's edge
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
