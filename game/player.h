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
    // Set when the record is reset (level start, respawn); the next control
    // step then treats a held arrow as newly pressed.
    uint8_t freshRecord;
};

// Lives, score and level reset per game; re-initialised by every role assignment.
extern PlayerController playerController;

// The play is stepped along the game clock in fixed steps, so that every frame
// rate plays the same game. Never reset while the program runs (nor is the clock).
const double PLAY_STEP = 1.0 / 120.0;  // seconds
struct PlayClock {
    int64_t steps = 0;  // fixed steps played since the clock started
};

extern PlayClock playClock;

void InitPlayer(PlayerController &controller, CharacterRecord &record);
// Plays every fixed step up to the frame's clock reading: during each, now and
// dt are that step's time and length; the frame's values are put back after.
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
