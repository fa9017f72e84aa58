// ape.h -- the ape on the ledge and the pool of thrown barrels
#pragma once

#include "game/character.h"

struct ApeController {
    int32_t state;
    float throwTimer;
    CharacterRecord *character;
    struct ThrownObject *currentObject;
};

struct ThrownObject {
    Vec3 position;
    Vec3 drawOffset;
    Vec3 rotation;
    Vec3 spin;
    Vec3 velocity;
    uint8_t rolling, active, turning, dropping;
    int32_t inFlight;
    float targetAngle, targetY, targetZ;
    float rollStart;
};

const int THROWN_OBJECT_COUNT = 20;

extern ApeController apeController;
extern ThrownObject thrownObjects[THROWN_OBJECT_COUNT];  // fixed pool, never reallocated

void InitApe(ApeController &controller, CharacterRecord &record);
void ApeStep(ApeController &controller);
// Inactive, at the top floor's start, rolling left once activated.
void InitObject(ThrownObject &object);
void ObjectMove(ThrownObject &object);
void ObjectStep(ThrownObject &object);
// ObjectMove then ObjectStep for every active object, in pool order.
void StepObjects();
void DrawObject(const ThrownObject &object);
void ClearLowObjects();
// Program start: every object of the pool initialised and inactive.
void InitObjectPool();
