// screens_hud.h -- message ticker, HUD, character select and name-entry panel
#pragma once

extern float tickerX;
extern int tickerMessage;
extern float selectSlide;

void BuildTickerTexts();
void RebuildHighScoreText();
void RestartTicker(int row);
void DrawOverlay();
