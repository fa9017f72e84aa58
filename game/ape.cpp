// ape.cpp -- the ape's fetch, lift, carry and throw cycle
#include "game/ape.h"

#include "common/frame_input.h"
#include "common/random.h"
#include "game/character_tables.h"
#include "game/player.h"

ApeController apeController;

const int APE_WAITING = 0;
const int APE_FETCHING = 1;
const int APE_LIFTING = 2;
const int APE_CARRYING = 3;

void InitApe(ApeController &controller, CharacterRecord &record) {
    controller.state = APE_WAITING;
    controller.throwTimer = 1000.0f;  // the first fetch of a level begins almost at once
    controller.character = &record;
    ResetCharacter(record);
    record.facingLeft = 1;
    controller.currentObject = nullptr;
    SetWorldPosition(record, 2.0f, 16.75f, -5.5f);
}

static float WalkSpeed(int level) { return static_cast<float>(level * 10 + 180); }

static void Throw(ApeController &controller, Vec3 p) {
    ThrownObject *object = nullptr;
    for (ThrownObject &candidate : thrownObjects) {
        if (!candidate.active) {
            object = &candidate;
            break;
        }
    }
    if (!object) return;  // all 20 in play: nothing is thrown
    InitObject(*object);
    object->targetAngle = 0.0f;
    object->targetY = 11.1f;
    object->targetZ = -5.0f;
    object->position = Vec3{p.x, p.y + 1.5f, p.z - 0.25f};
    const float vx = static_cast<float>(-4 - Random() % 13) * 0.1f;
    object->velocity = Vec3{vx, 3.0f, object->position.z <= object->targetZ ? 1.0f : -1.0f};
    object->rotation = Vec3{90.0f, 0.0f, 90.0f};
    object->spin = Vec3{0.0f, 120.0f, -45.0f};
    object->inFlight = 1;
    object->active = 1;
    controller.currentObject = object;
}

void ApeStep(ApeController &controller) {
    CharacterRecord &ape = *controller.character;
    const Vec3 p = WorldPosition(ape);
    const int level = playerController.level;
    switch (controller.state) {
    case APE_WAITING: {
        controller.throwTimer += static_cast<float>((level * 5 + 10) * 10) * frameInput.dt;
        const float threshold = static_cast<float>(Random() % 500 + 750);
        if (!(threshold < controller.throwTimer)) return;
        controller.state = APE_FETCHING;
        controller.throwTimer = 0.0f;
        ape.facingLeft = 0;
        ape.velocity.x = WalkSpeed(level);
        StartAnimation(ape, SLOT_RUN);
        return;
    }
    case APE_FETCHING:
        if (p.x > 5.0f) {
            ape.velocity.x = 0.0f;
            StartAnimation(ape, SLOT_PICK_UP);
            controller.state = APE_LIFTING;
        }
        return;
    case APE_LIFTING:
        if (ape.value[3] > 195.0f) {
            ape.facingLeft = 1;
            ape.velocity.x = -WalkSpeed(level);
            StartAnimation(ape, SLOT_RUN);
            controller.state = APE_CARRYING;
        }
        return;
    case APE_CARRYING:
        // The object stays overhead whatever the run animation does.
        if (p.x > 2.0f) {
            ape.value[3] = 200.0f;
            ape.value[5] = 180.0f;
        } else if (p.x < 2.0f) {
            ape.value[3] = 200.0f;
            ape.value[5] = 180.0f;
            ape.velocity.x = 0.0f;
            StartAnimation(ape, SLOT_STAND);
            ape.holdingObject = 0;
            controller.state = APE_WAITING;
            Throw(controller, p);
        }
        return;
    default:
        return;
    }
}
