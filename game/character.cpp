// character.cpp -- character records, their tables and the animation engine
#include "game/character.h"

CharacterRecord characterA;
CharacterRecord characterB;
CharacterRecord characterC;

void ConstructCharacters() {}
void ResetCharacter(CharacterRecord &) {}
void SnapshotPose(CharacterRecord &) {}
void StartAnimation(CharacterRecord &, int) {}
void UpdateAnimation(CharacterRecord &) {}

Vec3 WorldPosition(const CharacterRecord &record) {
    return Vec3{record.pivot[1].x * CHARACTER_SCALE, record.pivot[1].y * CHARACTER_SCALE,
                record.z * CHARACTER_SCALE};
}
