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

void InitCaptive(CaptiveController &controller, CharacterRecord &record);
void CageReset();
void RopeStepAndDraw();
