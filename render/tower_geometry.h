// tower_geometry.h -- display lists of the tower, barrel and cage, and the rope, cage and torch pass
#pragma once

#include "common/vec.h"

// The rope hangs from the underside of the top plate.
const Vec3 ROPE_ANCHOR = {4.5f, 15.0f, -5.5f};
const Vec3 CAGE_REST_POSITION = {6.0f, 8.5f, -5.5f};
// The cage's roof above its reference point.
const float CAGE_ROOF = 1.75f;

// Builds lists 5, 6 (and the torch positions), 3, 4, 7, 8, 9 and 2, in that
// order, with a current context; reads the detail option.
void BuildSceneLists();

// Used while list 2 is compiled: a scaled unit box, textured from the slot
// only with full detail.
void DrawTowerBox(float sx, float sy, float sz, int textureSlot);
void DrawClosedTowerBox(float sx, float sy, float sz, int textureSlot);
// Five steps rising toward the origin; mirrored rises toward +x.
void DrawStairFlight(bool mirrored);

// Pieces of the per-frame pass, in world coordinates.
void DrawCageLine();      // from the top plate down to the cage's roof
void DrawCageRearPart();  // list 8 at the cage, blending left on
void DrawCageFrontPart(); // list 9 at the cage, blending off afterwards

// The per-frame pass: rope, cage line, cage with the captive inside, torches.
void DrawRopeCageAndTorches();
