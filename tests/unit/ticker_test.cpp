// ticker_test.cpp -- the ticker's wrap rules per phase, its restart and the high-score message
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/frame_input.h"
#include "common/random.h"
#include "game/game_state.h"
#include "render/gl_setup.h"
#include "render/screens_hud.h"
#include "settings/settings_store.h"
#include "tests/support/scene_harness.h"

namespace {

class TickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        clientRect = ClientRect{0, 0, 800, 600};
        frameInput.dt = 0.5f;
    }
    // Puts the ticker on a row just before its wrap and runs one frame.
    int WrapFrom(int row) {
        overlay.tickerMessage = row;
        overlay.tickerX = tickerMessages[row].wrapThreshold + 1.0f;
        AdvanceTicker();
        EXPECT_EQ(overlay.tickerX, 812.0f);
        return overlay.tickerMessage;
    }
};

TEST_F(TickerTest, RestartsAtTheRightEdgeMovesFortyPixelsASecondAndWrapsOnlyBelowTheThreshold) {
    for (int outside : {6, -1}) {  // rows outside the table fall back to row 0
        overlay.tickerMessage = 2;
        RestartTicker(outside);
        EXPECT_EQ(overlay.tickerMessage, 0);
    }
    RestartTicker(3);
    EXPECT_EQ(overlay.tickerX, 812.0f);  // W + 12
    AdvanceTicker();
    EXPECT_FLOAT_EQ(overlay.tickerX, 792.0f);
    overlay.tickerX = tickerMessages[3].wrapThreshold + 20.0f;  // lands exactly on the threshold
    AdvanceTicker();
    EXPECT_EQ(overlay.tickerX, tickerMessages[3].wrapThreshold);
    EXPECT_EQ(overlay.tickerMessage, 3) << "the row restarted and has not wrapped";
}

TEST_F(TickerTest, EachPhasePicksItsRowOnAWrapAndTheTitleDrawsARandomOneAfterRowZero) {
    // Title, select and level complete: row 0 after any other row.
    const struct { int state, next; } phases[] = {{STATE_TITLE, 0}, {STATE_SELECT, 0}, {STATE_LEVEL_COMPLETE, 0},
                                                  {STATE_INTRO, 5}, {STATE_PLAY, 5},   {STATE_NAME_ENTRY, 1}};
    for (const auto &phase : phases) {
        flow.gameState = phase.state;
        for (int row = phase.next == 0 ? 1 : 0; row < TICKER_ROWS; ++row)
            EXPECT_EQ(WrapFrom(row), phase.next) << phase.state << " " << row;
    }
    flow.gameState = STATE_TITLE;
    SeedRandom(31337);
    for (int i = 0; i < 200; ++i) {
        const uint32_t state = RandomState();
        const int row = WrapFrom(0);
        SeedRandom(state);
        EXPECT_EQ(row, Random() % 5);  // one draw of the shared generator per wrap: row 0 may repeat, row 5 never comes
    }
}

TEST(HighScoreText, NamesTheScoreTheHolderAndTheSiteAndNeverRunsPastTheName) {
    const std::string tail = std::string(". Remember to submit it to ") + KVRN_SCORE_HOST + " and see if you're best in the world!";
    const struct { int32_t score; char name[HIGH_SCORE_NAME_SIZE]; const char *text; } cases[] = {
        {1234, "Quillon", "Current high score is 1234 by Quillon"},
        {-2147483647 - 1, "", "Current high score is -2147483648 by "},
        // Twelve bytes without a terminator, as a damaged registry value could leave them.
        {7, {'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z'}, "Current high score is 7 by ZZZZZZZZZZZZ"},
        {7, {'%', 's', '%', 'n', '\x7f', '\xff', '\x01', 'a', 0, 'b', 'c', 0}, "Current high score is 7 by %s%n\x7f\xff\x01" "a"},
    };
    for (const auto &c : cases) {
        settings.highScore = c.score;
        std::memcpy(settings.highScoreName, c.name, HIGH_SCORE_NAME_SIZE);
        FormatHighScoreText();
        EXPECT_EQ(std::string(overlay.highScoreText), c.text + tail);
    }
}

}  // namespace
