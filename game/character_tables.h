// character_tables.h -- the constant tables behind the three characters and their animations
#pragma once

#include <cstdint>

#include "game/character.h"

// One row of a geometry table, in atlas pixels: (u, v) the part's top-left
// corner in the 256 x 128 atlas, w x h its size, (ax, ay) the anchor measured
// right and down from the quad's top-left, (px, py) the pivot in the parent's frame.
struct PartGeometry {
    float u, v, w, h, ax, ay, px, py;
};

// Event codes in the id column of the animation lists.
const int32_t EVENT_RESTART = -1;
const int32_t EVENT_CHAIN = -2;
const int32_t EVENT_END_OF_CYCLE = -3;
const int32_t EVENT_SHOW_OBJECT = -4;
const int32_t EVENT_HIDE_OBJECT = -5;

const int32_t MODE_KEYFRAME = 1;
const int32_t MODE_CYCLIC = 2;

// Started marks are kept in the character record, not here, so the lists
// stay constant and can be shared by any number of characters at once.
struct KeyframeEntry {
    int32_t id;  // part 0..10, or an event code
    float target;
    float windowStart;
    float duration;
};

struct CyclicEntry {
    int32_t id;  // part 0..10, or EVENT_END_OF_CYCLE
    float amplitude;
    float offset;
    float halfPeriod;  // for EVENT_END_OF_CYCLE: when the cycle ends
    float phase;
    int32_t inverted;  // nonzero: one minus sine
};

struct CharacterDefinition {
    const PartGeometry *geometry;  // 11 rows
    const int *drawOrder;          // 11 slots
    int32_t colourSlot;
    int32_t maskSlot;
    float verticalDrawOffset;  // world units
    const AnimationSet *animationSet;
};

extern const CharacterDefinition CHARACTER_A_DEFINITION;
extern const CharacterDefinition CHARACTER_B_DEFINITION;
extern const CharacterDefinition CHARACTER_C_DEFINITION;

extern const AnimationSet ANIMATION_SET_A;
extern const AnimationSet ANIMATION_SET_B;
extern const AnimationSet ANIMATION_SET_C;

// Slot numbers the behaviours start.
const int SLOT_RUN = 0;
const int SLOT_RUN_CYCLE = 1;
const int SLOT_STAND = 2;
const int SLOT_STAND_CYCLE = 3;
const int SLOT_JUMP = 4;
const int SLOT_JUMP_ARC = 5;
const int SLOT_CLIMB = 6;
const int SLOT_PICK_UP = 8;
const int SLOT_LIFT = 9;
const int SLOT_DEATH_HIT = 10;
const int SLOT_DEATH_FALL = 11;
const int SLOT_ROPE_JUMP = 12;
const int SLOT_ROPE_JUMP_ARC = 13;
const int SLOT_HANG = 14;
