// screens_hud.h -- message ticker, HUD, character select and name-entry panel
#pragma once

// One row of the ticker: the list that draws it, the tickerX below which it
// has left the screen, and the y of its centre line.
struct TickerRow {
    unsigned int list;
    float wrapThreshold;
    float y;
};

const int TICKER_ROWS = 6;
const int HIGH_SCORE_TEXT_SIZE = 256;

extern const TickerRow tickerMessages[TICKER_ROWS];

extern float tickerX;
extern int tickerMessage;
extern float selectSlide;
extern char highScoreText[HIGH_SCORE_TEXT_SIZE];  // ticker message 2

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
