// slide_show_test.cpp -- order of the stills, point maps, the opacity over a still's life and the backdrop
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "assets/display_lists.h"
#include "assets/particle_field.h"
#include "assets/point_map_source.h"
#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/random.h"
#include "render/frame_renderer.h"
#include "tests/support/screens_fixture.h"

namespace {

TEST(SlideOrder, FirstTwoStillsAreZeroThenOneWhateverTheGenerator) {
    for (uint32_t seed : {1u, 2u, 41u, 1700000000u}) {
        slideShow = SlideShow{};  // before the first still
        SeedRandom(seed);
        EXPECT_EQ(ChooseNextSlide(), 0);
        slideShow.current = 0;
        EXPECT_EQ(ChooseNextSlide(), 1);
        slideShow.current = 1;
        EXPECT_EQ(slideShow.slideHistory[0], 0);
        EXPECT_EQ(slideShow.slideHistory[1], -1);
    }
}

TEST(SlideOrder, NeverOneOfTheFourBeforeTheCurrent) {
    SeedRandom(2024);
    slideShow.current = ChooseNextSlide();
    slideShow.current = ChooseNextSlide();
    std::vector<int> shown = {0, 1};
    for (int i = 0; i < 3000; ++i) {
        int before[SLIDE_HISTORY];
        std::memcpy(before, slideShow.slideHistory, sizeof before);
        const int previous = slideShow.current;
        const int next = ChooseNextSlide();
        ASSERT_GE(next, 0);
        ASSERT_LT(next, SLIDE_COUNT);
        for (int h : before) ASSERT_NE(next, h);
        // The history moves down one place and takes the still just shown.
        ASSERT_EQ(slideShow.slideHistory[0], previous);
        ASSERT_EQ(slideShow.slideHistory[1], before[0]);
        ASSERT_EQ(slideShow.slideHistory[3], before[2]);
        slideShow.current = next;
        shown.push_back(next);
    }
    // From the third still on, every row turns up.
    EXPECT_EQ(std::set<int>(shown.begin(), shown.end()).size(), static_cast<size_t>(SLIDE_COUNT));
}

struct TestMap {
    int width, height;
    std::vector<uint8_t> rgb;
    TestMap(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 0) {}
    void Set(int x, int y, uint8_t r, uint8_t g = 0, uint8_t b = 0) {
        const uint8_t pixel[3] = {r, g, b};
        std::memcpy(&rgb[(static_cast<size_t>(y) * width + x) * 3], pixel, 3);
    }
};

TEST(PointMap, PureRedPixelsAreReadColumnByColumnAboutTheCentre) {
    TestMap map(8, 4);
    map.Set(5, 0, 255);
    map.Set(1, 3, 255);
    map.Set(1, 2, 255);
    map.Set(0, 0, 254);          // not pure red
    map.Set(2, 2, 255, 1);       // not pure red
    map.Set(3, 1, 255, 0, 255);  // not pure red
    SlideShow show{};
    StorePointMap(show, map.rgb.data(), 3, map.width, map.height);
    ASSERT_EQ(show.lastPointIndex, 2);
    const SlidePoint expected[3] = {{1 - 4.0f, 2 - 2.0f}, {1 - 4.0f, 3 - 2.0f}, {5 - 4.0f, 0 - 2.0f}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(show.points[i].x, expected[i].x) << i;
        EXPECT_FLOAT_EQ(show.points[i].y, expected[i].y) << i;
    }
}

TEST(PointMap, KeepsTheFirstTwoHundredAndNoneGivesMinusOne) {
    TestMap full(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) full.Set(x, y, 255);
    SlideShow show{};
    StorePointMap(show, full.rgb.data(), 3, 32, 32);
    ASSERT_EQ(show.lastPointIndex, SLIDE_POINT_LIMIT - 1);
    // 200 = six whole columns of 32 and 8 pixels of the seventh.
    EXPECT_FLOAT_EQ(show.points[199].x, 6 - 16.0f);
    EXPECT_FLOAT_EQ(show.points[199].y, 7 - 16.0f);

    TestMap empty(16, 16);
    StorePointMap(show, empty.rgb.data(), 3, 16, 16);
    EXPECT_EQ(show.lastPointIndex, -1);
    StorePointMap(show, nullptr, 3, 16, 16);  // an unreadable bitmap
    EXPECT_EQ(show.lastPointIndex, -1);
}

TEST(PointMap, EveryStillsMapGivesItsSparksPlacesOnThePicture) {
    for (const SlideRow &row : slideTable) {
        const PointMapPixels map = ReadPointMapPixels(static_cast<int>(row.pointMapBitmap), row.width, row.height);
        ASSERT_NE(map.rgb, nullptr) << row.caption;
        SlideShow show{};
        StorePointMap(show, map.rgb, map.bytesPerPixel, map.width, map.height);
        EXPECT_GT(show.lastPointIndex, 30) << row.caption;
        for (int p = 0; p <= show.lastPointIndex; ++p) {
            ASSERT_GE(show.points[p].x, -row.width * 0.5f);
            ASSERT_LT(show.points[p].x, row.width * 0.5f);
            ASSERT_GE(show.points[p].y, -row.height * 0.5f);
            ASSERT_LT(show.points[p].y, row.height * 0.5f);
        }
    }
    // A map whose size disagrees with its still's (bitmap 122 is 256 x 32) is not used.
    for (const auto &size : {std::pair<int, int>{128, 32}, {256, 64}})
        EXPECT_EQ(ReadPointMapPixels(122, size.first, size.second).rgb, nullptr) << size.first << "x" << size.second;
    EXPECT_EQ(ReadPointMapPixels(9999, 256, 32).rgb, nullptr);
}

class SlideShowTest : public ::testing::Test {
protected:
    bool onTitle = true;
    void SetUp() override {
        ASSERT_TRUE(OpenScreensContext(320, 240));
        view.overviewFactor = 1.0f;
        frameInput.dt = 0.1f;
        // Sparks far off screen with a steady glow, so only the still shows.
        for (int i = 0; i < PARTICLE_COUNT; ++i) particleField[i] = Particle{1000.0f, 1000.0f, 0.3f, 0.0f, 0.0f, i};
        SetUpSlideShow();
        slideShow.slideAlpha = 0.0f;
        slideShow.caption.count = 0;
    }
    void TearDown() override { CloseScreensContext(); }
    // Runs the per-frame step up to the given time.
    void StepUntil(float until) {
        while (frameInput.now + frameInput.dt * 0.5f < until) {
            frameInput.now += frameInput.dt;
            SlideShowStep(onTitle, view.overviewFactor);
        }
    }
    void DrawBackdropFrame() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-0.5523, 0.5523, -0.4142, 0.4142, 1.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(view.cameraPos.x, view.cameraPos.y, view.cameraPos.z);
        glRotatef(-45.0f * view.overviewFactor, 1.0f, 0.0f, 0.0f);
        DrawBackdrop(view.cameraPos.z);
    }
};

TEST_F(SlideShowTest, SetUpShowsSlideZeroNumbersTheSparksAndStartsAfreshWhenRepeated) {
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(slideShow.current, 0);
        EXPECT_EQ(slideShow.slideAlpha, 0.0f);
        EXPECT_EQ(slideShow.startTime, frameInput.now);
        EXPECT_EQ(slideShow.lastPointIndex, 149);
        EXPECT_NE(textures.slots[TEXTURE_STILL], TEXTURE_SLOT_EMPTY);
        EXPECT_EQ(slideShow.width, 256);
        EXPECT_EQ(slideShow.height, 32);
        EXPECT_TRUE(slideShow.active);
        EXPECT_EQ(slideShow.slideHistory[0], -1);
        for (int i = 0; i < PARTICLE_COUNT; ++i) ASSERT_EQ(particleField[i].index, i);
        // A second set-up, in the middle of another still, starts a fresh show.
        slideShow.slideAlpha = 0.8f;
        slideShow.current = 7;
        slideShow.slideHistory[0] = 3;
        particleField[4].index = 9;
        frameInput.now = 40.0f;
        SetUpSlideShow();
    }
    EXPECT_TRUE(glIsList(SLIDE_QUAD_LIST));
    EXPECT_TRUE(glIsList(CRAWL_PLANE_LIST));
}

TEST_F(SlideShowTest, HiddenForSevenSecondsThenRisingThenPulsingWithTheFirstSpark) {
    StepUntil(7.0f);
    EXPECT_EQ(slideShow.slideAlpha, 0.0f);
    StepUntil(8.0f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.5f, 0.051f);  // 0.5 per second from 7 s
    StepUntil(10.0f);
    EXPECT_NEAR(slideShow.slideAlpha, 1.0f, 0.051f);

    // From 10 s it follows the first spark's glow, at most 0.5 per second.
    particleField[0].glow = 0.3f;
    float before = slideShow.slideAlpha;
    for (int i = 0; i < 30; ++i) {
        frameInput.now += frameInput.dt;
        SlideShowStep(onTitle, view.overviewFactor);
        EXPECT_LE(slideShow.slideAlpha, before + 1e-6f);
        EXPECT_GE(slideShow.slideAlpha, before - 0.05f - 1e-6f);
        before = slideShow.slideAlpha;
    }
    EXPECT_NEAR(slideShow.slideAlpha, 0.3f, 0.051f);
    particleField[0].glow = 0.9f;
    StepUntil(19.9f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.9f, 0.051f);
    EXPECT_TRUE(slideShow.active);
}

TEST_F(SlideShowTest, FadesAfterTwentySecondsAndTheNextStartsAfterThirty) {
    slideShow.slideAlpha = 0.4f;
    frameInput.now = 20.0f;
    StepUntil(20.2f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.3f, 1e-4f);
    StepUntil(21.2f);
    EXPECT_LT(slideShow.slideAlpha, 0.0f);
    EXPECT_FALSE(slideShow.active);
    StepUntil(29.9f);
    EXPECT_EQ(slideShow.current, 0);
    StepUntil(30.2f);
    EXPECT_EQ(slideShow.current, 1);
    EXPECT_TRUE(slideShow.active);
    EXPECT_GT(slideShow.startTime, 29.95f);
    EXPECT_LT(slideShow.startTime, 30.15f);
    EXPECT_LT(slideShow.slideAlpha, 0.0f);  // a new still starts where the last one ended
}

TEST_F(SlideShowTest, NoNewStillOffTheTitleOrWithoutOverviewAndLeavingTheTitleFades) {
    slideShow.active = 0;
    view.overviewFactor = 0.0f;
    StepUntil(40.0f);
    EXPECT_EQ(slideShow.current, 0);
    view.overviewFactor = 0.5f;
    onTitle = false;  // play
    StepUntil(45.0f);
    EXPECT_EQ(slideShow.current, 0);
    // Leaving the title fades a showing still at once, 0.5 a second.
    slideShow.active = 1;
    slideShow.slideAlpha = 1.0f;
    onTitle = false;  // the select screen
    frameInput.now = 12.0f;
    StepUntil(12.5f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.75f, 1e-4f);
    slideShow.active = 0;
    frameInput.now = 45.0f;
    onTitle = true;
    StepUntil(45.2f);
    EXPECT_EQ(slideShow.current, 1);
}

TEST_F(SlideShowTest, TheStillIsDrawnUprightFromItsSlotUntilTwentyThreeSeconds) {
    // The list must show whatever the slot holds now, not the name it held when compiled.
    textures.slots[TEXTURE_STILL] = QuadrantTexture();
    slideShow.slideAlpha = 1.0f;
    slideShow.width = slideShow.height = 128;
    frameInput.now = 22.9f;
    frameInput.dt = 0.0f;
    DrawBackdropFrame();
    // The still's corners, above the middle of the view: red, green, blue, white.
    const int corners[4][2] = {{140, 200}, {190, 200}, {140, 150}, {190, 160}};
    const bool red[4] = {true, false, false, true}, green[4] = {false, true, false, true};
    for (int i = 0; i < 4; ++i) {
        const Rgba p = PixelAt(corners[i][0], corners[i][1]);
        EXPECT_EQ(p.r > 200, red[i]) << i;
        EXPECT_EQ(p.g > 200, green[i]) << i;
        EXPECT_GT(std::max({p.r, p.g, p.b}), 200) << i;
    }
    frameInput.now = 23.0f;
    DrawBackdropFrame();
    EXPECT_EQ(LitPixelCount(), 0);
}

}  // namespace
