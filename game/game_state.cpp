// game_state.cpp -- the phase machine: title, select, intro, play, level complete, name entry
#include "game/game_state.h"

#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "game/character.h"
#include "game/levels.h"
#include "game/player.h"
#include "render/frame_renderer.h"  // upward: the phases turn the camera to and from the overview
#include "render/screens_hud.h"     // upward: the phases restart the ticker and the select screen's slide-in
#include "settings/settings_store.h"

GameFlow flow;

static const float PHASE_WAIT = 10.0f;  // seconds on the title before the overview, and after a level
static const float CRAWL_START = 57.5f;
static const float CRAWL_END = -21.0f;
static const int MAX_NAME_LENGTH = 10;

static void TitleStep() {
    if (frameInput.now - flow.stateStartTime > PHASE_WAIT && view.overviewFactor < 1.0f) view.overviewRate = 0.25f;
    if (ConsumeKeyPress(KEY_SPACE)) {
        flow.selectedCharacter = 0;
        overlay.selectSlide = 0.0f;
        flow.gameState = STATE_SELECT;
    }
}

static void SelectStep() {
    if (ConsumeKeyPress(KEY_DOWN)) flow.selectedCharacter += 1;
    if (ConsumeKeyPress(KEY_UP)) flow.selectedCharacter -= 1;
    if (flow.selectedCharacter < 0)
        flow.selectedCharacter = 2;
    else if (flow.selectedCharacter > 2)
        flow.selectedCharacter = 0;
    if (ConsumeKeyPress(KEY_SPACE)) {
        NewGame(flow.selectedCharacter);
        intro.crawlPosition = CRAWL_START;
        intro.crawlAlpha = 1.0f;
    }
    if (view.overviewFactor < 1.0f) view.overviewRate = 0.25f;
}

static void IntroStep() {
    if (!ConsumeKeyPress(KEY_SPACE) && !(intro.crawlPosition < CRAWL_END)) return;
    if (view.overviewFactor > 0.0f) view.overviewRate = -0.5f;
    flow.gameState = STATE_PLAY;
    ResetCharacter(*playerController.character);
    playerController.lives = 3;
    StartLevel(flow.selectedCharacter);
}

static void LevelCompleteStep() {
    if (!(frameInput.now - flow.stateStartTime > PHASE_WAIT)) return;
    playerController.level += 1;
    StartLevel(flow.selectedCharacter);
    flow.gameState = STATE_PLAY;
}

static void TypeNameCharacter(int code) {
    if (ConsumeKeyPress(code) && flow.nameLength < MAX_NAME_LENGTH)
        settings.highScoreName[flow.nameLength++] = static_cast<char>(code);
}

static void NameEntryStep() {
    // Letters in alphabetical order, then digits, all within one frame.
    for (int code = 'A'; code <= 'Z'; ++code) TypeNameCharacter(code);
    for (int code = '0'; code <= '9'; ++code) TypeNameCharacter(code);
    ConsumeKeyPress(KEY_SPACE);  // taken and thrown away
    if (ConsumeKeyPress(KEY_BACKSPACE) && flow.nameLength > 0) flow.nameLength -= 1;
    settings.highScoreName[flow.nameLength] = 0;
    if (!ConsumeKeyPress(KEY_ENTER) && flow.nameLength < MAX_NAME_LENGTH) return;

    settings.highScore = ScoreAsInteger(playerController.score);
    settings.highScoreCharacter = flow.selectedCharacter;
    SaveSettings();
    RebuildHighScoreText();
    flow.stateStartTime = frameInput.now;
    flow.gameState = STATE_TITLE;
    RestartTicker(TICKER_HIGH_SCORE);
}

void UpdateGameState() {
    switch (flow.gameState) {
    case STATE_TITLE: TitleStep(); break;
    case STATE_SELECT: SelectStep(); break;
    case STATE_INTRO: IntroStep(); break;
    case STATE_PLAY: break;
    case STATE_LEVEL_COMPLETE: LevelCompleteStep(); break;
    case STATE_NAME_ENTRY: NameEntryStep(); break;
    default: break;
    }
}
