// flying_text.h -- messages whose letters fly in, rest and fly away
#pragma once

#include <cstdint>

#include "common/vec.h"

struct FlyingLetter {
    float x, y, z;
    float release;
    float alpha;
    int8_t character;
};

const int FLYING_TEXT_LETTERS = 30;

struct FlyingText {
    Vec3 position;
    FlyingLetter letters[FLYING_TEXT_LETTERS];
    int32_t count;
    uint8_t active;
    float startTime;
};

extern FlyingText gameMessage;  // "Level %d", "Well done!", "Game Over"

void SpawnFlyingText(FlyingText &effect, const char *text, float x, float y, float z, float depth);
void DrawFlyingText(FlyingText &effect);
void ReleaseFlyingText(FlyingText &effect);
