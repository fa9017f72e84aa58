// screens_screenshot_test.cpp -- whole frames of every screen, played through the real frame function and written out for review
#include <gtest/gtest.h>

#include <cstring>

#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "game/game_state.h"
#include "game/player.h"
#include "host/clock_fake.h"
#include "host/game_calls.h"
#include "host/offscreen_context.h"
#include "render/screens_hud.h"
#include "settings/settings_store.h"
#include "tests/support/game_driver.h"
#include "tests/support/scene_harness.h"
#include "tests/support/screens_fixture.h"

namespace {

const int SHOT_WIDTH = 800, SHOT_HEIGHT = 600;

// The game fixture's fresh program, on a window large enough to look at.
class ScreensPlayThrough : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        GameShutdown();
        DestroyOffscreenContext();
        ASSERT_TRUE(CreateOffscreenContext(SHOT_WIDTH, SHOT_HEIGHT));
        GameStartup(SHOT_WIDTH, SHOT_HEIGHT, 12345u);
        SetScriptedClock(0.0);
        frameInput = FrameInput{};
    }
};

// The game fixture's small window: the intro's length is all that is measured.
class IntroLength : public GameTest {};

TEST_F(IntroLength, TheIntroEndsWhenTheCrawlHasPassedWithoutAKey) {
    Tap(KEY_SPACE);
    Tap(KEY_SPACE);
    ASSERT_EQ(flow.gameState, STATE_INTRO);
    EXPECT_FLOAT_EQ(intro.crawlPosition, 57.5f - 1.5f * static_cast<float>(FRAME_SECONDS));  // drawn once already
    Seconds(51.0, 0.1);
    EXPECT_EQ(flow.gameState, STATE_INTRO);
    EXPECT_EQ(intro.crawlAlpha, 1.0f);
    Seconds(1.0);
    EXPECT_EQ(flow.gameState, STATE_INTRO);
    EXPECT_LT(intro.crawlAlpha, 1.0f);  // past -20 it fades
    Seconds(0.5);
    EXPECT_EQ(flow.gameState, STATE_PLAY);  // (57.5 + 21) / 1.5 = 52.3 s
}

TEST_F(ScreensPlayThrough, EveryScreenIsWrittenForReview) {
    // The title: by nine seconds the sparks have gathered and the first still fades in.
    Seconds(9.0, 0.1);
    ASSERT_EQ(flow.gameState, STATE_TITLE);
    EXPECT_GT(slideShow.slideAlpha, 0.5f);
    EXPECT_GT(LitPixelCount(), SHOT_WIDTH * SHOT_HEIGHT / 20);
    EXPECT_NE(SaveTestShot("screens_title"), nullptr);

    Tap(KEY_SPACE);
    Seconds(1.5);
    ASSERT_EQ(flow.gameState, STATE_SELECT);
    EXPECT_EQ(overlay.selectSlide, 1.0f);
    EXPECT_NE(SaveTestShot("screens_select"), nullptr);

    Tap(KEY_SPACE);
    Seconds(12.0, 0.1);
    ASSERT_EQ(flow.gameState, STATE_INTRO);
    EXPECT_NE(SaveTestShot("screens_intro_crawl"), nullptr);

    Tap(KEY_SPACE);
    Seconds(3.0);
    ASSERT_EQ(flow.gameState, STATE_PLAY);
    EXPECT_NE(SaveTestShot("screens_play_hud"), nullptr);

    // Straight to a name entry with three letters typed.
    flow.gameState = STATE_NAME_ENTRY;
    flow.nameLength = 0;
    std::memset(settings.highScoreName, 0, sizeof settings.highScoreName);
    RestartTicker(TICKER_SUBMIT);
    for (int key : {'K', 'V', 'R'}) Tap(key);
    Seconds(0.5);
    EXPECT_STREQ(settings.highScoreName, "KVR");
    EXPECT_NE(SaveTestShot("screens_name_entry"), nullptr);
}

}  // namespace
