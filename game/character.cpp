// character.cpp -- the three character records: construction, reset and world position
#include "game/character.h"

#include <cstring>

#include "game/character_tables.h"

CharacterRecord characterA;
CharacterRecord characterB;
CharacterRecord characterC;

static void ConstructCharacter(CharacterRecord &record, const CharacterDefinition &definition) {
    std::memset(&record, 0, sizeof record);
    for (int i = 0; i < CHARACTER_PARTS; ++i) {
        const PartGeometry &g = definition.geometry[i];
        record.drawOrder[i] = static_cast<float>(definition.drawOrder[i]);
        record.pivot[i] = Vec2{g.px, g.py};
        // Strip order; the atlas row grows downward while the quad's y grows upward.
        // The divisors are 255 and 127, as the atlases were drawn for them.
        record.vertex[i][0] = Vec2{-g.ax, g.ay};
        record.vertex[i][1] = Vec2{g.w - g.ax, g.ay};
        record.vertex[i][2] = Vec2{-g.ax, g.ay - g.h};
        record.vertex[i][3] = Vec2{g.w - g.ax, g.ay - g.h};
        record.texCoord[i][0] = Vec2{g.u / 255.0f, g.v / 127.0f};
        record.texCoord[i][1] = Vec2{(g.u + g.w) / 255.0f, g.v / 127.0f};
        record.texCoord[i][2] = Vec2{g.u / 255.0f, (g.v + g.h) / 127.0f};
        record.texCoord[i][3] = Vec2{(g.u + g.w) / 255.0f, (g.v + g.h) / 127.0f};
    }
    record.colourSlot = definition.colourSlot;
    record.maskSlot = definition.maskSlot;
    record.verticalDrawOffset = definition.verticalDrawOffset;
    record.animationSet = definition.animationSet;
    ResetCharacter(record);
}

void ConstructCharacters() {
    ConstructCharacter(characterA, CHARACTER_A_DEFINITION);
    ConstructCharacter(characterB, CHARACTER_B_DEFINITION);
    ConstructCharacter(characterC, CHARACTER_C_DEFINITION);
}

void ResetCharacter(CharacterRecord &record) {
    record.jumping = 0;
    record.facingLeft = 0;
    record.holdingObject = 0;
    record.holdingRope = 0;
    record.stairDirection = 0;
    record.velocity = Vec3{0, 0, 0};
    // The foot of the tower on the left, world (-7, 0, 2.5).
    record.pivot[1] = Vec2{-7.0f / CHARACTER_SCALE, 0.0f};
    record.z = 2.5f / CHARACTER_SCALE;
    for (int i = 0; i < CHARACTER_PARTS; ++i) {
        record.value[i] = 0.0f;
        record.startValue[i] = 0.0f;
    }
    // An empty keyframe animation: nothing moves until a slot is started.
    record.animation = AnimationDescriptor{0, MODE_KEYFRAME, 0.0f, nullptr, nullptr};
    std::memset(record.entryMark, ENTRY_WAITING, sizeof record.entryMark);
}

Vec3 WorldPosition(const CharacterRecord &record) {
    return Vec3{record.pivot[1].x * CHARACTER_SCALE, record.pivot[1].y * CHARACTER_SCALE,
                record.z * CHARACTER_SCALE};
}

void SetWorldPosition(CharacterRecord &record, float x, float y, float z) {
    record.pivot[1] = Vec2{x / CHARACTER_SCALE, y / CHARACTER_SCALE};
    record.z = z / CHARACTER_SCALE;
}
