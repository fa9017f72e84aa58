// thrown_objects.cpp -- the pool of 20 barrels: flight, rolling, turning over a floor's end, dropping
#include <cmath>

#include "assets/display_lists.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "game/ape.h"

ThrownObject thrownObjects[THROWN_OBJECT_COUNT];

static const float ROLL_SPEED = 3.0f;
static const float GRAVITY = 4.0f;
static const float TERMINAL_SPEED = 7.0f;
static const float GONE_BELOW = -3.0f;
static const float FLOOR_END = 8.0f;

void InitObject(ThrownObject &object) {
    object.position = Vec3{0.0f, 11.1f, -5.0f};
    object.drawOffset = Vec3{0, 0, 0};
    object.rotation = Vec3{90.0f, 0.0f, 0.0f};
    object.spin = Vec3{0.0f, 120.0f, 0.0f};
    object.velocity = Vec3{-ROLL_SPEED, 0.0f, 0.0f};
    object.rolling = 0;
    object.active = 0;
    object.turning = 0;
    object.dropping = 0;
    object.inFlight = 0;
    object.rollStart = frameInput.now;
}

void InitObjectPool() {
    for (ThrownObject &object : thrownObjects) InitObject(object);
}

void ObjectMove(ThrownObject &object) {
    object.rotation.x += object.spin.x * frameInput.dt;
    object.rotation.y += object.spin.y * frameInput.dt;
    object.rotation.z += object.spin.z * frameInput.dt;
    object.position.x += object.velocity.x * frameInput.dt;
    object.position.y += object.velocity.y * frameInput.dt;
    object.position.z += object.velocity.z * frameInput.dt;
    Vec3 &p = object.position;
    Vec3 &v = object.velocity;
    if (!object.inFlight && ((p.y > object.targetY && v.y > 0) || (p.y < object.targetY && v.y < 0))) {
        p.y = object.targetY;
        v.y = 0.0f;
    }
    if ((p.z > object.targetZ && v.z > 0) || (p.z < object.targetZ && v.z < 0)) {
        p.z = object.targetZ;
        v.z = 0.0f;
    }
    if (p.y < GONE_BELOW) object.active = 0;
}

void ObjectStep(ThrownObject &object) {
    Vec3 &p = object.position;
    Vec3 &v = object.velocity;
    if (object.inFlight) {
        if (object.rotation.z < 0.0f) {
            object.rotation.z = 0.0f;
            object.spin.z = 0.0f;
        }
        if (v.y > -TERMINAL_SPEED) v.y -= GRAVITY * frameInput.dt;
        if (p.y < object.targetY) {
            // The landing: every object rolls left first.
            p.y = object.targetY;
            object.rollStart = frameInput.now;
            v.x = -ROLL_SPEED;
            object.inFlight = 0;
            object.rolling = 1;
        }
    }
    if (object.rolling) {
        const double bounce = std::fabs(std::cos((frameInput.now - object.rollStart) * 2.0 * 3.14159265358979) * 0.15);
        object.drawOffset.y = static_cast<float>(std::trunc(bounce * 1000.0) / 1000.0);
        if ((p.x < -FLOOR_END && v.x < 0) || (p.x > FLOOR_END && v.x > 0)) {
            // Over the floor's end: flip end over end while dropping to the floor below.
            v.x = 0.0f;
            object.rolling = 0;
            object.turning = 1;
            v.z = 1.5f;
            object.spin.x = 180.0f;
            v.y = -3.0f;
            if (object.rotation.x == 270.0f) {
                object.rotation.x = -90.0f;
                object.targetAngle = 90.0f;
            } else {
                object.targetAngle = 270.0f;
            }
            object.targetY = p.y - 3.0f;
            object.targetZ = p.z + 2.0f;
        }
    }
    if (object.turning && object.rotation.x > object.targetAngle) {
        object.spin.x = 0.0f;
        object.rotation.x = object.targetAngle;
        object.dropping = 1;
        object.turning = 0;
        object.rolling = 0;
    }
    if (object.dropping && p.y == object.targetY) {
        object.dropping = 0;
        object.rolling = 1;
        object.rollStart = frameInput.now;
        if (p.x > 0.0f) v.x = -ROLL_SPEED;
        if (p.x < 0.0f) v.x = ROLL_SPEED;
    }
}

void StepObjects() {
    for (ThrownObject &object : thrownObjects) {
        if (!object.active) continue;
        ObjectMove(object);
        ObjectStep(object);
    }
}

void DrawObject(const ThrownObject &object) {
    glPushMatrix();
    glTranslatef(object.position.x, object.position.y + object.drawOffset.y, object.position.z);
    glRotatef(object.rotation.x, 1.0f, 0.0f, 0.0f);
    glRotatef(object.rotation.y, 0.0f, 1.0f, 0.0f);
    glRotatef(object.rotation.z, 0.0f, 0.0f, 1.0f);
    glCallList(BARREL_LIST);
    glPopMatrix();
}

void ClearLowObjects() {
    for (ThrownObject &object : thrownObjects)
        if (object.position.y < 2.0f) object.active = 0;
}
