// slide_show_test.cpp -- order of the stills, point maps, the opacity over a still's life, the backdrop, and the sparks: where they respawn, how their glow runs, their colour
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "assets/particle_field.h"
#include "assets/point_map_source.h"
#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "common/random.h"
#include "render/frame_renderer.h"
#include "render/gl_setup.h"
#include "tests/support/scene_harness.h"

namespace {

TEST(SlideOrder, ZeroAndOneOpenTheShowThenNeverOneOfTheFourBeforeTheCurrent) {
    for (uint32_t seed : {1u, 2024u, 1700000000u}) {
        slideShow = SlideShow{};  // before the first still
        SeedRandom(seed);
        std::vector<int> shown;
        for (int i = 0; i < 1000; ++i) {
            const SlideShow before = slideShow;
            const int next = ChooseNextSlide();
            ASSERT_TRUE(i > 1 || next == i) << "the opening, seed " << seed;
            ASSERT_TRUE(next >= 0 && next < SLIDE_COUNT);
            for (int h : before.slideHistory) ASSERT_NE(next, h);
            // The history moves down one place and takes the still just shown.
            ASSERT_EQ(slideShow.slideHistory[0], before.current);
            for (int h = 1; h < SLIDE_HISTORY; ++h) ASSERT_EQ(slideShow.slideHistory[h], before.slideHistory[h - 1]);
            slideShow.current = next;
            shown.push_back(next);
        }
        EXPECT_EQ(std::set<int>(shown.begin(), shown.end()).size(), static_cast<size_t>(SLIDE_COUNT));
    }
}

TEST(PointMap, PureRedPixelsOfAMapOfTheRightSizeAreReadColumnByColumnAboutTheCentreUpToTwoHundred) {
    std::vector<uint8_t> map(8 * 4 * 3, 0);
    const int pixels[][5] = {{5, 0, 255, 0, 0}, {1, 3, 255, 0, 0}, {1, 2, 255, 0, 0},
                             {0, 0, 254, 0, 0}, {2, 2, 255, 1, 0}, {3, 1, 255, 0, 255}};  // x, y, rgb
    for (const auto &p : pixels)
        for (int c = 0; c < 3; ++c) map[(p[1] * 8 + p[0]) * 3 + c] = static_cast<uint8_t>(p[2 + c]);
    SlideShow show{};
    StorePointMap(show, map.data(), 3, 8, 4);
    ASSERT_EQ(show.lastPointIndex, 2);
    const SlidePoint expected[3] = {{1 - 4.0f, 2 - 2.0f}, {1 - 4.0f, 3 - 2.0f}, {5 - 4.0f, 0 - 2.0f}};
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(show.points[i].x == expected[i].x && show.points[i].y == expected[i].y) << i;
    std::vector<uint8_t> full(32 * 32 * 3, 0);
    for (size_t i = 0; i < full.size(); i += 3) full[i] = 255;
    StorePointMap(show, full.data(), 3, 32, 32);
    ASSERT_EQ(show.lastPointIndex, SLIDE_POINT_LIMIT - 1);
    // Six whole columns and 8 pixels of the seventh.
    EXPECT_TRUE(show.points[199].x == 6 - 16.0f && show.points[199].y == 7 - 16.0f);
    StorePointMap(show, nullptr, 3, 16, 16);  // an unreadable bitmap
    EXPECT_EQ(show.lastPointIndex, -1);
    // A map of another size than its still is not used. (Every still's map holds sparks on its subject: the art test.)
    ASSERT_NE(ReadPointMapPixels(122, 256, 32).rgb, nullptr);  // bitmap 122 is 256 x 32
    EXPECT_EQ(ReadPointMapPixels(122, 128, 32).rgb, nullptr);
    EXPECT_EQ(ReadPointMapPixels(122, 256, 64).rgb, nullptr);
    EXPECT_EQ(ReadPointMapPixels(9999, 256, 32).rgb, nullptr);
}

// A random place on the backdrop (20 units up and down, 27.8 across) and a fresh life.
bool AtARandomPlaceWithAFreshLife(const Particle &s) {
    return std::fabs(s.y) <= 20.0f && std::fabs(s.x) <= 27.8f && s.glow == 0.0f && s.speed > 0.0f && s.accel > 0.0f;
}

TEST(ParticleField, SparksNumberedWithinThePointMapTakeTheirPoints) {
    const int n = 37;
    slideShow.active = 1;
    slideShow.lastPointIndex = n - 1;
    for (int i = 0; i < n; ++i) slideShow.points[i] = SlidePoint{float(i) - 18.0f, float(2 * i) - 40.0f};
    for (int i = 0; i < PARTICLE_COUNT; ++i) {
        Particle spark{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, i};
        SpawnParticle(spark);
        if (i < n)  // map y runs down
            EXPECT_TRUE(spark.x == slideShow.points[i].x * 0.1f && spark.y == slideShow.points[i].y * -0.1f) << i;
        else
            EXPECT_TRUE(AtARandomPlaceWithAFreshLife(spark)) << i;
    }
    // Once the still has ended, or when its map has no points, spark 0 goes to a random place.
    for (int lastPoint : {n - 1, -1}) {
        slideShow.active = lastPoint < 0;
        slideShow.lastPointIndex = lastPoint;
        slideShow.points[0] = SlidePoint{999.0f, 999.0f};
        Particle spark{};
        SpawnParticle(spark);
        EXPECT_TRUE(AtARandomPlaceWithAFreshLife(spark)) << lastPoint;
    }
}

TEST(ParticleField, OnlyAGlowAboveOneTurnsTheSparkToFadingAndOneReachingExactlyZeroRespawnsAtOnce) {
    frameInput.dt = 0.02f;
    Particle spark{1.0f, 2.0f, 1.0f, 0.1f, 0.5f, 3};
    StepParticle(spark);
    EXPECT_EQ(spark.accel, 0.5f);  // exactly 1.0 is not above 1.0

    Particle bright{1.0f, 2.0f, 1.0001f, 0.1f, 0.5f, 3};
    StepParticle(bright);
    EXPECT_EQ(bright.accel, -1.0f);
    // The speed of this frame still used the old acceleration.
    EXPECT_FLOAT_EQ(bright.speed, 0.1f + 0.02f * 0.5f);

    frameInput.dt = 0.5f;
    Particle dimming{7.0f, 7.0f, 0.5f, -1.0f, 0.0f, 9};
    StepParticle(dimming);
    EXPECT_GT(dimming.speed, 0.0f);  // a fresh life

    Particle alive{7.0f, 7.0f, 0.6f, -1.0f, 0.0f, 9};
    StepParticle(alive);
    EXPECT_EQ(alive.speed, -1.0f);  // glow 0.1 left: the same life
}

class SlideShowTest : public ::testing::Test {
protected:
    bool onTitle = true;
    void SetUp() override {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{320, 240}));
        view.overviewFactor = 1.0f;
        frameInput.dt = 0.1f;
        // Sparks far off screen with a steady glow, so only the still shows.
        for (int i = 0; i < PARTICLE_COUNT; ++i) particleField[i] = Particle{1000.0f, 1000.0f, 0.3f, 0.0f, 0.0f, i};
        SetUpSlideShow();
        slideShow.caption.count = 0;
    }
    void TearDown() override { CloseTestScene(); }
    // Runs the per-frame step up to the given time.
    void StepUntil(float until) {
        while (frameInput.now + frameInput.dt * 0.5f < until) {
            frameInput.now += frameInput.dt;
            SlideShowStep(onTitle, view.overviewFactor);
        }
    }
};

TEST_F(SlideShowTest, HiddenForSevenSecondsThenRisingThenPulsingWithTheFirstSparkThenFading) {
    StepUntil(7.0f);
    EXPECT_EQ(slideShow.slideAlpha, 0.0f);
    StepUntil(8.0f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.5f, 0.051f);  // 0.5 per second from 7 s
    StepUntil(10.0f);
    EXPECT_NEAR(slideShow.slideAlpha, 1.0f, 0.051f);
    // From 10 s it follows the first spark's glow, at most 0.5 per second.
    particleField[0].glow = 0.3f;
    StepUntil(11.0f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.5f, 0.051f);
    StepUntil(19.9f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.3f, 0.051f);
    // After 20 s it fades at 0.5 a second, and the next still starts after 30 s.
    slideShow.slideAlpha = 0.4f;
    frameInput.now = 20.0f;
    StepUntil(20.2f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.3f, 1e-4f);
    StepUntil(29.9f);
    EXPECT_FALSE(slideShow.active);
    EXPECT_EQ(slideShow.current, 0);
    StepUntil(30.2f);
    EXPECT_EQ(slideShow.current, 1);
    EXPECT_NEAR(slideShow.startTime, 30.05f, 0.1f);
    EXPECT_LT(slideShow.slideAlpha, 0.0f);  // a new still starts where the last one ended
}

TEST_F(SlideShowTest, NoNewStillOffTheTitleOrWithoutOverviewAndLeavingTheTitleFades) {
    slideShow.active = 0;
    view.overviewFactor = 0.0f;
    StepUntil(40.0f);
    EXPECT_EQ(slideShow.current, 0);
    view.overviewFactor = 0.5f;
    onTitle = false;
    StepUntil(45.0f);
    EXPECT_EQ(slideShow.current, 0);
    // Leaving the title fades a showing still at once, 0.5 a second.
    slideShow.active = 1;
    slideShow.slideAlpha = 1.0f;
    frameInput.now = 12.0f;
    StepUntil(12.5f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.75f, 1e-4f);
}

TEST_F(SlideShowTest, TheStillIsDrawnUprightFromItsSlotUntilTwentyThreeSeconds) {
    // The list must show whatever the slot holds now, not the name it held when compiled.
    textures.slots[TEXTURE_STILL] = QuadrantTexture();
    slideShow.slideAlpha = 1.0f;
    slideShow.width = slideShow.height = 128;
    frameInput.dt = 0.0f;
    for (float when : {22.9f, 23.0f}) {
        frameInput.now = when;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SetProjection(320, 240);  // the scene's own perspective, the modelview reset
        glTranslatef(view.cameraPos.x, view.cameraPos.y, view.cameraPos.z);
        glRotatef(-45.0f, 1.0f, 0.0f, 0.0f);
        DrawBackdrop(view.cameraPos.z);
        if (when == 23.0f) break;
        // The still's corners, above the middle of the view: red, green, blue, white.
        const int corners[4][2] = {{140, 200}, {190, 200}, {140, 150}, {190, 160}};
        const bool red[4] = {true, false, false, true}, green[4] = {false, true, false, true};
        for (int i = 0; i < 4; ++i) {
            const Rgba p = PixelAt(corners[i][0], corners[i][1]);
            EXPECT_EQ(p.r > 200, red[i]) << i;
            EXPECT_EQ(p.g > 200, green[i]) << i;
            EXPECT_GT(std::max({p.r, p.g, p.b}), 200) << i;
        }
    }
    EXPECT_EQ(LitPixelCount(), 0);
}

TEST_F(SlideShowTest, ASparkGlowsBluishWhite) {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glTranslatef(0.0f, 0.0f, -1.0f);
    glScalef(4.0f, 4.0f, 1.0f);  // the sprite over the middle of the view
    const Particle spark{0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0};
    DrawParticles(&spark, 1);
    const Rgba middle = PixelAt(160, 120);
    EXPECT_GT(middle.b, 100);
    EXPECT_NEAR(middle.r, 0.75 * middle.b, 3.0);
    EXPECT_NEAR(middle.g, 0.75 * middle.b, 3.0);
}

}  // namespace
