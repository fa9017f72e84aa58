// rope_cage.cpp -- captive, rope swing, grab and pull, cage reset
#include "game/rope_cage.h"

CaptiveController captiveController;
Vec3 cagePosition = {6.0f, 8.5f, -5.5f};
float ropeDrop = 0.0f;

void InitCaptive(CaptiveController &controller, CharacterRecord &record) { controller.character = &record; }
void CageReset() {}
void RopeStepAndDraw() {}
