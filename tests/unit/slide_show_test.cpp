// slide_show_test.cpp -- order of the stills, point maps, the opacity over a still's life and the backdrop
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "assets/display_lists.h"
#include "assets/particle_field.h"
#include "assets/point_map_source.h"
#include "assets/slide_show.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/random.h"
#include "game/game_state.h"
#include "render/frame_renderer.h"
#include "tests/support/screens_fixture.h"

namespace {

void ForgetStills() {
    slideShow.current = -1;
    for (int i = 0; i < SLIDE_HISTORY; ++i) slideShow.slideHistory[i] = -1;
}

using SlideOrder = ::testing::Test;

TEST_F(SlideOrder, FirstTwoStillsAreZeroThenOneWhateverTheGenerator) {
    for (uint32_t seed : {1u, 2u, 41u, 1700000000u}) {
        ForgetStills();
        SeedRandom(seed);
        EXPECT_EQ(ChooseNextSlide(), 0);
        slideShow.current = 0;
        EXPECT_EQ(ChooseNextSlide(), 1);
        slideShow.current = 1;
        EXPECT_EQ(slideShow.slideHistory[0], 0);
        EXPECT_EQ(slideShow.slideHistory[1], -1);
    }
}

TEST_F(SlideOrder, NeverOneOfTheFourBeforeTheCurrent) {
    ForgetStills();
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

TEST_F(SlideOrder, FourteenChoicesRemainAfterAnyHistory) {
    // Slide 0 chosen at random is not followed by 1 when 1 was shown recently;
    // the still now showing is not in the history and may come again.
    const struct {
        int history[SLIDE_HISTORY];
        int current;
    } cases[] = {{{1, 4, 7, 8}, 0}, {{3, 9, 12, 17}, 5}};
    for (const auto &c : cases) {
        std::set<int> seen;
        for (uint32_t seed = 1; seed < 400; ++seed) {
            SeedRandom(seed);
            std::memcpy(slideShow.slideHistory, c.history, sizeof c.history);
            slideShow.current = c.current;
            seen.insert(ChooseNextSlide());
        }
        EXPECT_EQ(seen.size(), 14u) << c.current;
        EXPECT_EQ(seen.count(c.current), 1u) << c.current;
        for (int h : c.history) EXPECT_EQ(seen.count(h), 0u) << h;
    }
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

TEST(PointMap, EveryStillsMapGivesItsSparksTheirPlaces) {
    // Red pixels each point map was drawn with, row by row of the slide table.
    const int expected[SLIDE_COUNT] = {150, 110, 111, 139, 138, 81, 132, 87, 91,
                                       126, 73,  75,  132, 123, 39,  90, 121, 71};
    for (int i = 0; i < SLIDE_COUNT; ++i) {
        const SlideRow &row = slideTable[i];
        const PointMapPixels map = ReadPointMapPixels(static_cast<int>(row.pointMapBitmap), row.width, row.height);
        ASSERT_NE(map.rgb, nullptr) << i;
        SlideShow show{};
        StorePointMap(show, map.rgb, map.bytesPerPixel, map.width, map.height);
        EXPECT_EQ(show.lastPointIndex + 1, expected[i]) << i;
        for (int p = 0; p <= show.lastPointIndex; ++p) {
            ASSERT_GE(show.points[p].x, -row.width * 0.5f);
            ASSERT_LT(show.points[p].x, row.width * 0.5f);
            ASSERT_GE(show.points[p].y, -row.height * 0.5f);
            ASSERT_LT(show.points[p].y, row.height * 0.5f);
        }
    }
    EXPECT_STREQ(slideTable[0].caption, "Presents");
    EXPECT_STREQ(slideTable[1].caption, "Playable Screen Saver");
    // A map whose size disagrees with its still is not used.
    EXPECT_EQ(ReadPointMapPixels(122, 128, 128).rgb, nullptr);
    EXPECT_EQ(ReadPointMapPixels(9999, 256, 32).rgb, nullptr);
}

class SlideShowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenScreensContext(320, 240));
        for (int i = 0; i < TEXTURE_SLOT_COUNT; ++i) textures.slots[i] = TEXTURE_SLOT_EMPTY;
        ForgetStills();
        flow.gameState = STATE_TITLE;
        view.cameraPos = Vec3{0.0f, -5.0f, -19.25f};
        view.overviewFactor = 1.0f;
        frameInput.now = 0.0f;
        frameInput.dt = 0.1f;
        // Sparks far off screen with a steady glow, so only the still shows.
        for (int i = 0; i < PARTICLE_COUNT; ++i) particleField[i] = Particle{1000.0f, 1000.0f, 0.3f, 0.0f, 0.0f, i};
        SetUpSlideShow();
        slideShow.slideAlpha = 0.0f;
        slideShow.caption.count = 0;
    }
    void TearDown() override {
        slideShow.active = 0;
        flow.gameState = STATE_TITLE;
        CloseScreensContext();
    }
    // Runs the per-frame step up to the given time.
    void StepUntil(float until) {
        while (frameInput.now + frameInput.dt * 0.5f < until) {
            frameInput.now += frameInput.dt;
            SlideShowStep(flow.gameState == STATE_TITLE, view.overviewFactor);
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
        SlideShowStep(flow.gameState == STATE_TITLE, view.overviewFactor);
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
    flow.gameState = STATE_PLAY;
    StepUntil(45.0f);
    EXPECT_EQ(slideShow.current, 0);
    // Leaving the title fades a showing still at once, 0.5 a second.
    slideShow.active = 1;
    slideShow.slideAlpha = 1.0f;
    flow.gameState = STATE_SELECT;
    frameInput.now = 12.0f;
    StepUntil(12.5f);
    EXPECT_NEAR(slideShow.slideAlpha, 0.75f, 1e-4f);
    slideShow.active = 0;
    frameInput.now = 45.0f;
    flow.gameState = STATE_TITLE;
    StepUntil(45.2f);
    EXPECT_EQ(slideShow.current, 1);
}

TEST_F(SlideShowTest, TheStillIsDrawnFromSlotSeventeenUntilTwentyThreeSeconds) {
    // The list must show whatever slot 17 holds now, not the name it held when compiled.
    textures.slots[TEXTURE_STILL] = SolidTexture(0, 255, 0, 255);
    slideShow.slideAlpha = 1.0f;
    slideShow.width = 128;
    slideShow.height = 128;
    frameInput.now = 22.9f;
    frameInput.dt = 0.0f;
    DrawBackdropFrame();
    const int lit = LitPixelCount();
    EXPECT_GT(lit, 1000);
    EXPECT_GT(PixelAt(160, 200).g, 200);  // the still's centre, above the middle of the view
    EXPECT_LT(PixelAt(160, 200).r, 40);

    frameInput.now = 23.0f;
    DrawBackdropFrame();
    EXPECT_EQ(LitPixelCount(), 0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

}  // namespace
