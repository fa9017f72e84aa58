// character.h -- the eleven-part animated figure, its tables and animation engine
#pragma once

#include <cstdint>

#include "common/vec.h"

const float CHARACTER_SCALE = 0.0175f;  // world units per model unit
const int CHARACTER_PARTS = 11;
const int ANIMATION_SLOTS = 15;
const int MAX_ANIMATION_ENTRIES = 16;  // the longest list has 12

const uint8_t ENTRY_WAITING = 0;
const uint8_t ENTRY_STARTED = 1;
const uint8_t ENTRY_FINISHED = 2;

struct KeyframeEntry;
struct CyclicEntry;

struct AnimationDescriptor {
    int32_t entryCount;
    int32_t mode;  // 1 keyframe, anything else cyclic
    float startTime;
    const void *entries;  // KeyframeEntry or CyclicEntry list
    const AnimationDescriptor *next;
};

struct AnimationSet {
    AnimationDescriptor slots[ANIMATION_SLOTS];
};

struct CharacterRecord {
    float value[CHARACTER_PARTS];
    float startValue[CHARACTER_PARTS];
    Vec2 texCoord[CHARACTER_PARTS][4];
    Vec2 vertex[CHARACTER_PARTS][4];
    Vec2 pivot[CHARACTER_PARTS];  // pivot[1] is the character's position
    float drawOrder[CHARACTER_PARTS];
    Vec3 velocity;
    float z;
    float verticalDrawOffset;
    uint8_t facingLeft;
    uint8_t holdingObject;
    uint8_t jumping;
    uint8_t jumpingLastFrame;
    int32_t stairDirection;
    uint8_t holdingRope;
    float stairTargetX;
    float flightTopY;
    float flightBottomY;
    AnimationDescriptor animation;
    const AnimationSet *animationSet;
    int32_t colourSlot;
    int32_t maskSlot;
    // Progress marks of the current keyframe list's entries (ENTRY_WAITING,
    // ENTRY_STARTED, ENTRY_FINISHED), kept per character so that two characters
    // running one shared list never miss each other's final snap.
    uint8_t entryMark[MAX_ANIMATION_ENTRIES];
};

// The three characters, built once at start-up in this order.
extern CharacterRecord characterA;  // the ape general
extern CharacterRecord characterB;  // the captain
extern CharacterRecord characterC;  // the slave heroine

// Builds A, B and C from their tables (program start, once).
void ConstructCharacters();
void ResetCharacter(CharacterRecord &record);
void SnapshotPose(CharacterRecord &record);
void StartAnimation(CharacterRecord &record, int slot);
void UpdateAnimation(CharacterRecord &record);
Vec3 WorldPosition(const CharacterRecord &record);
// Stores a world position (divided by CHARACTER_SCALE) in the record.
void SetWorldPosition(CharacterRecord &record, float x, float y, float z);

// Drawing (mask pass, colour pass, barrel in the hand); leaves the matrix stack as found.
void DrawCharacter(const CharacterRecord &record);
