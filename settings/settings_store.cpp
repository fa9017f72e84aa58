// settings_store.cpp -- LoadSettings and SaveSettings over the registry seam
#include "settings/settings_store.h"

uint8_t scoreSubmitted = 0;
uint8_t fullDetail = 1;
uint8_t lightingFx = 1;
int32_t highScore = 0;
int32_t highScoreCharacter = 0;
char highScoreName[HIGH_SCORE_NAME_SIZE] = "Quillon";

bool LoadSettings() { return true; }
bool SaveSettings() { return true; }
