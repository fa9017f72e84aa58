// game_state.cpp -- the phase machine: title, select, intro, play, level complete, name entry
#include "game/game_state.h"

#include "assets/slide_show.h"
#include "game/character.h"
#include "game/levels.h"
#include "game/player.h"
#include "host/game_clock.h"
#include "host/keyboard.h"
#include "render/frame_renderer.h"
#include "render/screens_hud.h"
#include "settings/settings_store.h"

int gameState = STATE_TITLE;
float stateStartTime = 0.0f;
int selectedCharacter = 0;
int nameLength = 0;

static const float PHASE_WAIT = 10.0f;  // seconds on the title before the overview, and after a level
static const float CRAWL_START = 57.5f;
static const float CRAWL_END = -21.0f;
static const int MAX_NAME_LENGTH = 10;
static const int TICKER_HIGH_SCORE = 2;

static void TitleStep() {
    if (now - stateStartTime > PHASE_WAIT && overviewFactor < 1.0f) overviewRate = 0.25f;
    if (ConsumeKeyPress(KEY_SPACE)) {
        selectedCharacter = 0;
        selectSlide = 0.0f;
        gameState = STATE_SELECT;
    }
}

static void SelectStep() {
    if (ConsumeKeyPress(KEY_DOWN)) selectedCharacter += 1;
    if (ConsumeKeyPress(KEY_UP)) selectedCharacter -= 1;
    if (selectedCharacter < 0)
        selectedCharacter = 2;
    else if (selectedCharacter > 2)
        selectedCharacter = 0;
    if (ConsumeKeyPress(KEY_SPACE)) {
        NewGame(selectedCharacter);
        crawlPosition = CRAWL_START;
        crawlAlpha = 1.0f;
    }
    if (overviewFactor < 1.0f) overviewRate = 0.25f;
}

static void IntroStep() {
    if (!ConsumeKeyPress(KEY_SPACE) && !(crawlPosition < CRAWL_END)) return;
    if (overviewFactor > 0.0f) overviewRate = -0.5f;
    gameState = STATE_PLAY;
    ResetCharacter(*playerController.character);
    playerController.lives = 3;
    StartLevel(selectedCharacter);
}

static void LevelCompleteStep() {
    if (!(now - stateStartTime > PHASE_WAIT)) return;
    playerController.level += 1;
    StartLevel(selectedCharacter);
    gameState = STATE_PLAY;
}

static void NameEntryStep() {
    // Letters in alphabetical order, then digits, all within one frame.
    for (int code = 'A'; code <= 'Z'; ++code) {
        if (ConsumeKeyPress(code) && nameLength < MAX_NAME_LENGTH) highScoreName[nameLength++] = static_cast<char>(code);
    }
    for (int code = '0'; code <= '9'; ++code) {
        if (ConsumeKeyPress(code) && nameLength < MAX_NAME_LENGTH) highScoreName[nameLength++] = static_cast<char>(code);
    }
    ConsumeKeyPress(KEY_SPACE);  // taken and thrown away
    if (ConsumeKeyPress(KEY_BACKSPACE) && nameLength > 0) nameLength -= 1;
    highScoreName[nameLength] = 0;
    if (!ConsumeKeyPress(KEY_ENTER) && nameLength < MAX_NAME_LENGTH) return;

    highScore = ScoreAsInteger(playerController.score);
    highScoreCharacter = selectedCharacter;
    SaveSettings();
    RebuildHighScoreText();
    stateStartTime = now;
    gameState = STATE_TITLE;
    RestartTicker(TICKER_HIGH_SCORE);
}

void UpdateGameState() {
    switch (gameState) {
    case STATE_TITLE: TitleStep(); break;
    case STATE_SELECT: SelectStep(); break;
    case STATE_INTRO: IntroStep(); break;
    case STATE_PLAY: break;
    case STATE_LEVEL_COMPLETE: LevelCompleteStep(); break;
    case STATE_NAME_ENTRY: NameEntryStep(); break;
    default: break;
    }
}
