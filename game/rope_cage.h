// rope_cage.h -- the captive, the swinging rope and the cage it raises
#pragma once

#include "common/vec.h"
#include "game/character.h"

struct CaptiveController {
    CharacterRecord *character;
};

extern CaptiveController captiveController;

// Reset per level (CageReset); the scene set-up puts the cage at its rest position too.
struct RopeCage {
    Vec3 cagePosition = {6.0f, 8.5f, -5.5f};
    float ropeDrop = 0.0f;     // how far the rope is pulled, which is how far the cage rose
    float swingAngle = 0.0f;   // degrees about z
    float swingSpeed = 10.0f;  // degrees per second, within [-12, 12]
    float swingAccel = 5.0f;   // degrees per second squared
};

extern RopeCage ropeCage;

void InitCaptive(CaptiveController &controller, CharacterRecord &record);
void CageReset();
// One step of the swing; a hanging player tilts with the rope.
void RopeSwingStep();
// Draws the rope; the caller has translated to the rope's anchor.
void DrawRope();
void RopeGrabCheck();
void RopePull();
