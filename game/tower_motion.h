// tower_motion.h -- the tower's floors and stair flights, and how characters move on them
#pragma once

#include "common/vec.h"
#include "game/character.h"

const float TOWER_X_LIMIT = 8.0f;  // world units either side of the centre

// Depth of the floor band a height lies in (world units).
float FloorDepth(float y);
// A height reduced into (0, 3] above the floor below it (the height itself at or below 3).
float HeightAboveFloor(float y);

// -1, 0 or +1: the flight's direction when the character stands in its foot
// (top) window facing up (down) the flight. Any window refreshes the flight bounds.
int AtFootOfFlight(CharacterRecord &record);
int AtTopOfFlight(CharacterRecord &record);
bool StillOnFlight(const CharacterRecord &record);
void SteerToDiagonal(CharacterRecord &record);
void MotionStep(CharacterRecord &record);
// After the motion step; p0 is the world position from before any motion this
// frame. Returns true when the character left its flight.
bool StairTracking(CharacterRecord &record, Vec3 p0);
