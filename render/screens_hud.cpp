// screens_hud.cpp -- ticker, HUD, select screen, name entry
#include "render/screens_hud.h"

float tickerX = 0.0f;
int tickerMessage = 0;
float selectSlide = 0.0f;

void BuildTickerTexts() {}
void RebuildHighScoreText() {}
void RestartTicker(int row) { tickerMessage = row; }
void DrawOverlay() {}
