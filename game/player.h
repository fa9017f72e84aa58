// player.h -- the player controller and the per-frame play step
#pragma once

#include "game/character.h"

struct PlayerController {
    int32_t lives;
    double score;
    int32_t level;
    int32_t dying;
    CharacterRecord *character;
};

extern PlayerController playerController;  // re-initialised by every role assignment

void InitPlayer(PlayerController &controller, CharacterRecord &record);
void PlayStep();

// Score as a whole number for the HUD and the high score: truncated toward
// zero and clamped to the 32-bit range, so no value is undefined.
int32_t ScoreAsInteger(double score);
