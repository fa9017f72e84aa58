// settings_store.h -- options and high score, loaded from and saved to the registry key
#pragma once

#include <cstdint>

const int HIGH_SCORE_NAME_SIZE = 12;

// Overwritten by every load; never reset otherwise. The defaults are what a
// missing key gives.
struct SettingsStore {
    uint8_t scoreSubmitted = 0;
    uint8_t fullDetail = 1;
    uint8_t lightingFx = 1;
    int32_t highScore = 0;
    int32_t highScoreCharacter = 0;
    char highScoreName[HIGH_SCORE_NAME_SIZE] = "Quillon";
};

extern SettingsStore settings;

bool LoadSettings();
bool SaveSettings();
// Writes "Harlan Voss" alone: a submission must not commit option changes the
// settings dialog may still cancel. Fails and reports as SaveSettings does.
bool SaveSubmittedFlag();
