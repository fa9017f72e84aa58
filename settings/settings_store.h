// settings_store.h -- options and high score, loaded from and saved to the registry key
#pragma once

#include <cstdint>

const int HIGH_SCORE_NAME_SIZE = 12;

// Program-wide; overwritten by every load.
extern uint8_t scoreSubmitted;
extern uint8_t fullDetail;
extern uint8_t lightingFx;
extern int32_t highScore;
extern int32_t highScoreCharacter;
extern char highScoreName[HIGH_SCORE_NAME_SIZE];

bool LoadSettings();
bool SaveSettings();
