// ticker.cpp -- the scrolling messages along the screen edge and their display lists
#include <cstdio>
#include <cstring>

#include "assets/bitmap_font.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "common/random.h"
#include "game/game_state.h"
#include "host/game_clock.h"
#include "host/game_window.h"
#include "render/scene_setup.h"
#include "render/screens_hud.h"
#include "settings/settings_store.h"

#ifndef KVRN_SCORE_HOST
#error "KVRN_SCORE_HOST names the high-score server; the build defines it"
#endif

// Thresholds are minus the drawn width (12 px a character) for rows 1, 4
// and 5, with a margin for rows 0, 2 and 3.
const TickerRow tickerMessages[TICKER_ROWS] = {
    // list                      wrap threshold  y
    {TICKER_GAME_OVER_LIST,      -420.0f,        8.0f},   // 0 game over
    {TICKER_SUBMIT_LIST,         -1944.0f,       8.0f},   // 1 submit your score
    {TICKER_HIGH_SCORE_LIST,     -1560.0f,       8.0f},   // 2 current high score
    {TICKER_CREDITS_LIST,        -1940.0f,       14.0f},  // 3 logo and credits
    {TICKER_HOW_TO_PLAY_LIST,    -2820.0f,       8.0f},   // 4 how to play
    {TICKER_PRESS_SPACE_LIST,    -276.0f,        8.0f},   // 5 press space
};

static const char GAME_OVER_TEXT[] = "Game Over - Press SPACE to start";
static const char SUBMIT_TEXT[] =
    "Submit your high score to the website from the screen saver Settings under Display Properties in "
    "Control Panel and see if you have the highest score in the world!";
static const char CREDITS_TEXT[] =
    "Design, Graphics, Concept, Programming, and Ape-ness by Arlo Fenwick (unemployed!) Visit the website "
    "for more Quillon Creations!";
static const char HOW_TO_PLAY_TEXT[] =
    "How to play: Use arrow keys to move and space bar to jump. Push up while facing the bottom of stairs to "
    "go up, and down while facing the top of stairs to go down. When you reach the top try and jump to pull "
    "the rope and raise the cage!";
static const char PRESS_SPACE_TEXT[] = "Press space to continue";

const float TICKER_GLYPH = 12.0f;

float tickerX = 0.0f;
int tickerMessage = 0;
char highScoreText[HIGH_SCORE_TEXT_SIZE];

void FormatHighScoreText() {
    // The stored name may arrive without its terminator; read at most its buffer.
    int nameLength = 0;
    while (nameLength < HIGH_SCORE_NAME_SIZE && highScoreName[nameLength] != 0) ++nameLength;
    // snprintf truncates rather than overruns, whatever the name or host.
    std::snprintf(highScoreText, sizeof highScoreText,
                  "Current high score is %d by %.*s. Remember to submit it to " KVRN_SCORE_HOST
                  " and see if you're best in the world!",
                  static_cast<int>(highScore), nameLength, highScoreName);
}

static void CompileText(unsigned int list, const char *text) {
    glNewList(list, GL_COMPILE);
    DrawText3D(text, TICKER_GLYPH, 1.0f);
    glEndList();
}

static void CompileCredits() {
    glNewList(TICKER_CREDITS_LIST, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, textureSlots[0]);  // the 256 x 32 logo
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, 16.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(256.0f, 16.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(256.0f, -16.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(0.0f, -16.0f);
    glEnd();
    glTranslatef(260.0f, 0.0f, 0.0f);
    DrawText3D(CREDITS_TEXT, TICKER_GLYPH, 1.0f);
    glEndList();
}

void BuildTickerTexts() {
    tickerX = static_cast<float>(W()) + 12.0f;
    FormatHighScoreText();
    CompileText(TICKER_GAME_OVER_LIST, GAME_OVER_TEXT);
    CompileText(TICKER_SUBMIT_LIST, SUBMIT_TEXT);
    CompileText(TICKER_HIGH_SCORE_LIST, highScoreText);
    CompileCredits();
    CompileText(TICKER_PRESS_SPACE_LIST, PRESS_SPACE_TEXT);
    CompileText(TICKER_HOW_TO_PLAY_LIST, HOW_TO_PLAY_TEXT);
}

void RebuildHighScoreText() {
    FormatHighScoreText();
    glDeleteLists(TICKER_HIGH_SCORE_LIST, 1);
    CompileText(TICKER_HIGH_SCORE_LIST, highScoreText);
}

void RestartTicker(int row) {
    // Callers pass fixed rows; an index outside the table would read past it.
    tickerMessage = row >= 0 && row < TICKER_ROWS ? row : 0;
    tickerX = static_cast<float>(W()) + 12.0f;
}

void AdvanceTicker() {
    tickerX -= dt * 40.0f;
    if (tickerX >= tickerMessages[tickerMessage].wrapThreshold) return;
    tickerX = static_cast<float>(W()) + 12.0f;
    if (gameState == STATE_INTRO || gameState == STATE_PLAY)
        tickerMessage = 5;
    else if (gameState == STATE_NAME_ENTRY)
        tickerMessage = 1;
    else if (tickerMessage != 0)
        tickerMessage = 0;
    else
        tickerMessage = Random() % 5;  // row 0 may follow itself
}

void DrawTicker(float y) {
    glPushMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glTranslatef(tickerX, y, 0.0f);
    glCallList(tickerMessages[tickerMessage].list);
    glPopMatrix();
}
