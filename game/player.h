// player.h -- the player controller and the per-frame play step
#pragma once

#include "game/character.h"

struct PlayerController {
    int32_t lives;
    double score;
    int32_t level;
    int32_t dying;
    CharacterRecord *character;
    // Set once the stand animation has been started for a stop; cleared
    // whenever an arrow moves the player. Kept across role assignments.
    uint8_t idleShown;
};

// Lives, score and level reset per game; re-initialised by every role assignment.
extern PlayerController playerController;

void InitPlayer(PlayerController &controller, CharacterRecord &record);
void PlayStep();

void Respawn(PlayerController &controller);
void AddScore(PlayerController &controller, double rate);
bool HitTest(PlayerController &controller);
void TopFloorFallCheck(PlayerController &controller);
void Death(PlayerController &controller, int slot);
void ControlStep(bool restart);

// Score as a whole number for the HUD and the high score: truncated toward
// zero and clamped to the 32-bit range, so no value is undefined.
int32_t ScoreAsInteger(double score);
