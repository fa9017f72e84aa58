// rope_cage.h -- the captive, the swinging rope and the cage it raises
#pragma once

#include "common/vec.h"
#include "game/character.h"

struct CaptiveController {
    CharacterRecord *character;
};

extern CaptiveController captiveController;
extern Vec3 cagePosition;  // reset at every level start
extern float ropeDrop;     // how far the rope is pulled, which is how far the cage rose
extern float swingAngle;   // degrees about z
extern float swingSpeed;   // degrees per second, within [-12, 12]
extern float swingAccel;   // degrees per second squared

void InitCaptive(CaptiveController &controller, CharacterRecord &record);
void CageReset();
// Steps the swing and draws the rope; the caller has translated to the rope's anchor.
void RopeStepAndDraw();
void RopeGrabCheck();
void RopePull();
