// screens_hud.h -- message ticker, HUD, character select and name-entry panel
#pragma once

// One row of the ticker: the list that draws it, the tickerX below which it
// has left the screen, and the y of its centre line.
struct TickerRow {
    unsigned int list;
    float wrapThreshold;
    float y;
};

// The ticker's rows, in table order.
enum TickerMessage {
    TICKER_GAME_OVER,
    TICKER_SUBMIT,      // submit your score from the settings
    TICKER_HIGH_SCORE,  // the current high score
    TICKER_CREDITS,
    TICKER_HOW_TO_PLAY,
    TICKER_PRESS_SPACE,
    TICKER_ROWS
};
const int HIGH_SCORE_TEXT_SIZE = 256;

extern const TickerRow tickerMessages[TICKER_ROWS];

// The overlay's own state; never reset while the program runs (the ticker
// restarts on its own rows, the select screen's slide-in when it is entered).
struct OverlayState {
    float tickerX = 0.0f;
    int tickerMessage = TICKER_GAME_OVER;
    float selectSlide = 0.0f;
    char highScoreText[HIGH_SCORE_TEXT_SIZE] = {};  // the text of TICKER_HIGH_SCORE
};

extern OverlayState overlay;

void BuildTickerTexts();
void RebuildHighScoreText();
void RestartTicker(int row);
void DrawOverlay();

// Parts of the overlay, called by DrawOverlay.
void AdvanceTicker();  // moves 40 px/s left; on a wrap picks the next row by game phase
void DrawTicker(float y);
void FormatHighScoreText();
void DrawHud();
// "Score:%5d" of the score truncated toward zero; text holds at least 24 bytes.
void FormatScoreLine(char *text, int size, double score);
void DrawSelectScreen();
void DrawNameEntryPanel();
// A quad centred on the origin with its texture upright (t = 0 at the top).
void DrawCentredQuad(float width, float height);
