// ticker.cpp -- the scrolling messages along the screen edge and their display lists
#include <cstdio>
#include <cstring>

#include "assets/bitmap_font.h"
#include "assets/display_lists.h"
#include "assets/texture_loader.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "common/random.h"
#include "game/game_state.h"
#include "render/gl_setup.h"
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

OverlayState overlay;

void FormatHighScoreText() {
    // The stored name may arrive without its terminator; read at most its buffer.
    int length = 0;
    while (length < HIGH_SCORE_NAME_SIZE && settings.highScoreName[length] != 0) ++length;
    // snprintf truncates rather than overruns, whatever the name or host.
    std::snprintf(overlay.highScoreText, sizeof overlay.highScoreText,
                  "Current high score is %d by %.*s. Remember to submit it to " KVRN_SCORE_HOST
                  " and see if you're best in the world!",
                  static_cast<int>(settings.highScore), length, settings.highScoreName);
}

static void CompileText(unsigned int list, const char *text) {
    glNewList(list, GL_COMPILE);
    DrawText3D(text, TICKER_GLYPH, 1.0f);
    glEndList();
}

static void CompileCredits() {
    glNewList(TICKER_CREDITS_LIST, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_LOGO]);  // 256 x 32
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
    overlay.tickerX = static_cast<float>(W()) + 12.0f;
    FormatHighScoreText();
    CompileText(TICKER_GAME_OVER_LIST, GAME_OVER_TEXT);
    CompileText(TICKER_SUBMIT_LIST, SUBMIT_TEXT);
    CompileText(TICKER_HIGH_SCORE_LIST, overlay.highScoreText);
    CompileCredits();
    CompileText(TICKER_PRESS_SPACE_LIST, PRESS_SPACE_TEXT);
    CompileText(TICKER_HOW_TO_PLAY_LIST, HOW_TO_PLAY_TEXT);
}

void RebuildHighScoreText() {
    FormatHighScoreText();
    glDeleteLists(TICKER_HIGH_SCORE_LIST, 1);
    CompileText(TICKER_HIGH_SCORE_LIST, overlay.highScoreText);
}

void RestartTicker(int row) {
    // Callers pass fixed rows; an index outside the table would read past it.
    overlay.tickerMessage = row >= 0 && row < TICKER_ROWS ? row : TICKER_GAME_OVER;
    overlay.tickerX = static_cast<float>(W()) + 12.0f;
}

void AdvanceTicker() {
    overlay.tickerX -= frameInput.dt * 40.0f;
    if (overlay.tickerX >= tickerMessages[overlay.tickerMessage].wrapThreshold) return;
    overlay.tickerX = static_cast<float>(W()) + 12.0f;
    if (flow.gameState == STATE_INTRO || flow.gameState == STATE_PLAY)
        overlay.tickerMessage = TICKER_PRESS_SPACE;
    else if (flow.gameState == STATE_NAME_ENTRY)
        overlay.tickerMessage = TICKER_SUBMIT;
    else if (overlay.tickerMessage != TICKER_GAME_OVER)
        overlay.tickerMessage = TICKER_GAME_OVER;
    else
        overlay.tickerMessage = Random() % TICKER_PRESS_SPACE;  // any row before it; game over may follow itself
}

void DrawTicker(float y) {
    glPushMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glTranslatef(overlay.tickerX, y, 0.0f);
    glCallList(tickerMessages[overlay.tickerMessage].list);
    glPopMatrix();
}
