// ticker_test.cpp -- the ticker's wrap rules per phase, its restart and the high-score message
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "common/frame_input.h"
#include "common/random.h"
#include "game/game_state.h"
#include "render/gl_setup.h"
#include "render/screens_hud.h"
#include "settings/settings_store.h"
#include "tests/support/screens_fixture.h"

namespace {

class TickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        clientRect = ClientRect{0, 0, 800, 600};
        flow.gameState = STATE_TITLE;
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
    EXPECT_EQ(overlay.tickerMessage, 3);
    EXPECT_EQ(overlay.tickerX, 812.0f);  // W + 12
    AdvanceTicker();
    EXPECT_FLOAT_EQ(overlay.tickerX, 792.0f);
    overlay.tickerX = tickerMessages[3].wrapThreshold + 20.0f;  // lands exactly on the threshold
    AdvanceTicker();
    EXPECT_EQ(overlay.tickerX, tickerMessages[3].wrapThreshold);
    EXPECT_EQ(overlay.tickerMessage, 3);
}

TEST_F(TickerTest, OnTheTitleRowZeroIsFollowedByARandomRowAndOthersByRowZero) {
    for (int row = 1; row < TICKER_ROWS; ++row) EXPECT_EQ(WrapFrom(row), 0) << row;

    std::set<int> next;
    SeedRandom(31337);
    for (int i = 0; i < 200; ++i) {
        const uint32_t state = RandomState();
        const int row = WrapFrom(0);
        SeedRandom(state);
        EXPECT_EQ(row, Random() % 5);  // one draw of the shared generator per wrap
        next.insert(row);
    }
    EXPECT_EQ(next, (std::set<int>{0, 1, 2, 3, 4}));  // row 0 may repeat; row 5 never comes
}

TEST_F(TickerTest, OtherPhasesPickTheirOwnRow) {
    // Select and level-complete behave like the title: row 0 after any other row.
    const struct {
        int state, next;
    } phases[] = {{STATE_INTRO, 5}, {STATE_PLAY, 5}, {STATE_NAME_ENTRY, 1}, {STATE_SELECT, 0}, {STATE_LEVEL_COMPLETE, 0}};
    for (const auto &phase : phases) {
        flow.gameState = phase.state;
        for (int row = phase.next == 0 ? 1 : 0; row < TICKER_ROWS; ++row)
            EXPECT_EQ(WrapFrom(row), phase.next) << phase.state << " " << row;
    }
}

TEST_F(TickerTest, KeepsMovingInPhasesThatDoNotShowIt) {
    for (int state : {STATE_SELECT, STATE_LEVEL_COMPLETE, STATE_PLAY}) {
        flow.gameState = state;
        RestartTicker(5);
        for (int i = 0; i < 10; ++i) AdvanceTicker();
        EXPECT_FLOAT_EQ(overlay.tickerX, 812.0f - 200.0f);
    }
}

const std::string HOST = KVRN_SCORE_HOST;
const std::string TAIL = ". Remember to submit it to " + HOST + " and see if you're best in the world!";

using HighScoreText = TickerTest;

TEST_F(HighScoreText, NamesTheScoreTheHolderAndTheSite) {
    settings.highScore = 1234;
    std::strcpy(settings.highScoreName, "Quillon");
    FormatHighScoreText();
    EXPECT_EQ(std::string(overlay.highScoreText), "Current high score is 1234 by Quillon" + TAIL);
    settings.highScore = -2147483647 - 1;
    settings.highScoreName[0] = 0;
    FormatHighScoreText();
    EXPECT_EQ(std::string(overlay.highScoreText), "Current high score is -2147483648 by " + TAIL);
}

TEST_F(HighScoreText, AFullOrUnterminatedNameNeverRunsPastItsBuffer) {
    settings.highScore = 7;
    // Twelve bytes and no terminator, as a damaged registry value could leave it.
    std::memset(settings.highScoreName, 'Z', HIGH_SCORE_NAME_SIZE);
    FormatHighScoreText();
    EXPECT_EQ(std::string(overlay.highScoreText), "Current high score is 7 by ZZZZZZZZZZZZ" + TAIL);
    EXPECT_LT(std::strlen(overlay.highScoreText), static_cast<size_t>(HIGH_SCORE_TEXT_SIZE));

    const char odd[HIGH_SCORE_NAME_SIZE] = {'%', 's', '%', 'n', '\x7f', '\xff', '\x01', 'a', 0, 'b', 'c', 0};
    std::memcpy(settings.highScoreName, odd, sizeof odd);
    FormatHighScoreText();
    EXPECT_EQ(std::string(overlay.highScoreText), std::string("Current high score is 7 by %s%n\x7f\xff\x01") + "a" + TAIL);
}

}  // namespace
