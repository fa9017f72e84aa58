// game_flow_test.cpp -- title, select, intro, level complete, game over and name entry, played by keys
#include <cstring>

#include "assets/flying_text.h"
#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/frame_renderer.h"
#include "render/screens_hud.h"
#include "settings/registry_fake.h"
#include "settings/settings_store.h"
#include "tests/support/game_driver.h"

namespace {

// Ends the running game with the given score: the last life lost to a fall just past the top floor's end at 1.5.
void LoseLastLifeWithScore(double score) {
    playerController.score = score;
    playerController.lives = 1;
    SetWorldPosition(*playerController.character, 1.55f, 12.0f, -5.5f);
    Frames(1);
}

// Presses several keys so that all of them are new in the same frame.
void PressTogether(std::initializer_list<int> keys) {
    for (int key : keys) Hold(key);
    Frames(1);
    for (int key : keys) Release(key);
}

}  // namespace

TEST_F(GameTest, FlowHeldSpaceDoesNotCarryFromTitleIntoTheGame) {
    Hold(KEY_SPACE);
    Frames(1);
    EXPECT_EQ(flow.gameState, STATE_SELECT);
    Frames(30);
    EXPECT_EQ(flow.gameState, STATE_SELECT) << "a held space is one press";
    Release(KEY_SPACE);
    Frames(1);
    Tap(KEY_SPACE);
    EXPECT_EQ(flow.gameState, STATE_INTRO);
    Tap(KEY_SPACE);  // ends the intro in its first frame
    EXPECT_EQ(flow.gameState, STATE_PLAY);
    EXPECT_EQ(gameMessage.letters[6].character, '1') << "Level 1";
    EXPECT_FLOAT_EQ(flow.stateStartTime, frameInput.now - static_cast<float>(FRAME_SECONDS)) << "the level started in that frame";
}

TEST_F(GameTest, FlowSelectWrapsAroundAndUpPlusDownCancel) {
    Tap(KEY_SPACE);
    Tap(KEY_UP);
    EXPECT_EQ(flow.selectedCharacter, 2) << "up from the top row goes to the bottom";
    Tap(KEY_DOWN);
    EXPECT_EQ(flow.selectedCharacter, 0) << "down from the bottom row goes to the top";
    Tap(KEY_UP);
    PressTogether({KEY_UP, KEY_DOWN});
    EXPECT_EQ(flow.selectedCharacter, 2);
    Tap(KEY_SPACE);
    EXPECT_EQ(intro.crawlTextureSlot, TEXTURE_CRAWL_GENERAL);
    Tap(KEY_SPACE);
    EXPECT_EQ(flow.gameState, STATE_PLAY);
    EXPECT_EQ(playerController.character, &characterA) << "choice 2 plays the ape general";
}

TEST_F(GameTest, FlowIntroWithoutAKeyEndsOnceTheCrawlPassesMinus21) {
    Tap(KEY_SPACE);
    Tap(KEY_SPACE);
    ASSERT_EQ(flow.gameState, STATE_INTRO);
    const float start = frameInput.now;
    while (flow.gameState == STATE_INTRO && frameInput.now - start < 60.0f) {
        // The crawl fades only once it has passed -20, and no lower than its last step before -21.
        ASSERT_TRUE(intro.crawlPosition < -20.0f || intro.crawlAlpha == 1.0f) << intro.crawlPosition;
        ASSERT_GE(intro.crawlPosition, -21.0f - 1.5f * 0.1f);
        Frames(1, 0.1);
    }
    EXPECT_EQ(flow.gameState, STATE_PLAY);
    EXPECT_LT(intro.crawlAlpha, 1.0f);
    EXPECT_NEAR(frameInput.now - start, (57.5f + 21.0f) / 1.5f, 0.2f);
}

TEST_F(GameTest, FlowGameOverWithAScoreEqualToTheHighScoreGoesToTheTitle) {
    settings.highScore = 500;
    StartPlaying();
    LoseLastLifeWithScore(500.0);
    EXPECT_EQ(flow.gameState, STATE_TITLE);
    EXPECT_EQ(gameMessage.count, 9) << "Game Over";
    EXPECT_EQ(settings.highScore, 500);
    // After a game the title turns to the overview only once it has shown for 10 s.
    Seconds(9.8);
    EXPECT_LT(view.overviewRate, 0.0f);
    Seconds(0.4);
    EXPECT_FLOAT_EQ(view.overviewRate, 0.25f);
}

TEST_F(GameTest, FlowNameEntryTypesLettersThenDigitsAndEndsOnTheTenthCharacter) {
    settings.highScore = 100;
    StartPlaying();
    LoseLastLifeWithScore(512.75);
    ASSERT_EQ(flow.gameState, STATE_NAME_ENTRY);
    // All new in one frame: letters alphabetically, then digits.
    PressTogether({'7', 'Z', 'B', '3', 'A'});
    EXPECT_STREQ(settings.highScoreName, "ABZ37");
    // A letter and Backspace in one frame cancel out; Backspace on a name removes one.
    PressTogether({'Q', KEY_BACKSPACE});
    EXPECT_STREQ(settings.highScoreName, "ABZ37");
    Tap(KEY_BACKSPACE);
    EXPECT_STREQ(settings.highScoreName, "ABZ3");
    Tap(KEY_SPACE);  // thrown away
    EXPECT_STREQ(settings.highScoreName, "ABZ3");
    EXPECT_EQ(flow.gameState, STATE_NAME_ENTRY);
    PressTogether({'C', 'D', 'E', 'F', 'G', 'H', 'I'});  // the sixth of these is the tenth character
    EXPECT_STREQ(settings.highScoreName, "ABZ3CDEFGH");
    EXPECT_EQ(flow.gameState, STATE_TITLE) << "the tenth character ends name entry";
    EXPECT_EQ(settings.highScore, 512);
    EXPECT_EQ(overlay.tickerMessage, TICKER_HIGH_SCORE);
    // Nothing typed after the end reaches the name.
    Tap('X');
    EXPECT_STREQ(settings.highScoreName, "ABZ3CDEFGH");
}

TEST_F(GameTest, FlowEnterOnAnEmptyNameStoresTheScoreInTheRegistryOnlyThen) {
    settings.highScore = 100;
    for (int key : {KEY_SPACE, KEY_DOWN, KEY_SPACE}) Tap(key);
    EXPECT_EQ(intro.crawlTextureSlot, TEXTURE_CRAWL_HEROINE);
    Tap(KEY_SPACE);
    EXPECT_EQ(playerController.character, &characterC) << "choice 1 plays the heroine";
    LoseLastLifeWithScore(4321.5);
    ASSERT_EQ(flow.gameState, STATE_NAME_ENTRY);
    EXPECT_EQ(overlay.tickerMessage, TICKER_SUBMIT);
    Tap(KEY_BACKSPACE);  // nothing to remove
    EXPECT_FALSE(FakeRegistryKeyExists()) << "nothing is written before the name is complete";
    Tap(KEY_ENTER);
    ASSERT_EQ(flow.gameState, STATE_TITLE);
    uint32_t type = 0, value = 0, size = sizeof value;
    ASSERT_TRUE(GetFakeRegistryValue("HiScore", &type, &value, &size));
    EXPECT_EQ(value, 4321u);
    ASSERT_TRUE(GetFakeRegistryValue("HiScore Ch", &type, &value, &size));
    EXPECT_EQ(value, 1u);
    char name[16] = "unchanged";
    ASSERT_TRUE(GetFakeRegistryValue("HiScore Name", &type, name, &size));
    EXPECT_STREQ(name, "");
}
