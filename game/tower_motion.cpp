// tower_motion.cpp -- floor bands, flight windows, the motion step and stair tracking
#include "game/tower_motion.h"

#include "common/frame_input.h"
#include "game/character_tables.h"

static const float BELOW_ALL = -1.0e30f;

struct FloorBand {
    float lowestY;  // the band holds lowestY <= y < the next band's lowestY
    float depth;
};

// clang-format off
static const FloorBand FLOOR_BANDS[5] = {
    // lowest y,  depth z      floor
    {  BELOW_ALL,  2.5f },  // 0 (height 0)
    {   3.0f,      0.5f },  // 1 (height 3)
    {   6.0f,     -1.5f },  // 2 (height 6)
    {   9.0f,     -3.5f },  // 3 (height 9)
    {  12.0f,     -5.5f },  // 4 (height 12, top)
};

struct Flight {
    float bottomY, topY;                    // floor heights at its ends
    float footYMin, footYMax, footXMin, footXMax;
    float topYMin, topYMax, topXMin, topXMax;
    int direction;                          // sign of dx/dy along it
};

static const Flight FLIGHTS[4] = {
    // bottom, top,  foot window: y from,   y below, x from, x below  top window: y from, below, x from, below  dir
    {  0.0f,   3.0f, BELOW_ALL,  3.0f,  5.5f,  6.5f,   3.0f,  6.0f,  2.0f,  3.0f, -1 },  // 1: 0 -> 1
    {  3.0f,   6.0f,  3.0f,      6.0f, -6.5f, -5.5f,   6.0f,  9.0f, -3.0f, -2.0f, +1 },  // 2: 1 -> 2
    {  6.0f,   9.0f,  6.0f,      9.0f,  5.5f,  6.5f,   9.0f, 12.0f,  2.0f,  3.0f, -1 },  // 3: 2 -> 3
    {  9.0f,  12.0f,  9.0f,     12.0f, -6.5f, -5.5f,  12.0f, 15.0f, -3.0f, -2.0f, +1 },  // 4: 3 -> 4
};
// clang-format on

static const float DEPTH_FOLLOW_SPEED = 80.0f;  // model units per second
static const float STEER_SPEED = 100.0f;

float FloorDepth(float y) {
    float depth = FLOOR_BANDS[0].depth;
    for (const FloorBand &band : FLOOR_BANDS)
        if (y >= band.lowestY) depth = band.depth;
    return depth;
}

float HeightAboveFloor(float y) {
    float r = y;
    if (y > 3.0f)
        while (r > 3.0f) r -= 3.0f;
    return r;
}

static bool InWindow(float x, float y, float yMin, float yMax, float xMin, float xMax) {
    return y >= yMin && y < yMax && x > xMin && x < xMax;
}

int AtFootOfFlight(CharacterRecord &record) {
    const Vec3 p = WorldPosition(record);
    for (const Flight &f : FLIGHTS) {
        if (!InWindow(p.x, p.y, f.footYMin, f.footYMax, f.footXMin, f.footXMax)) continue;
        record.flightTopY = f.topY;
        record.flightBottomY = f.bottomY;
        const bool facingUp = record.facingLeft == (f.direction < 0 ? 1 : 0);
        return facingUp ? f.direction : 0;
    }
    return 0;
}

int AtTopOfFlight(CharacterRecord &record) {
    const Vec3 p = WorldPosition(record);
    for (const Flight &f : FLIGHTS) {
        if (!InWindow(p.x, p.y, f.topYMin, f.topYMax, f.topXMin, f.topXMax)) continue;
        record.flightTopY = f.topY;
        record.flightBottomY = f.bottomY;
        const bool facingDown = record.facingLeft == (f.direction > 0 ? 1 : 0);
        return facingDown ? f.direction : 0;
    }
    return 0;
}

bool StillOnFlight(const CharacterRecord &record) {
    if (record.stairDirection == 0) return false;
    const float y = record.pivot[1].y * CHARACTER_SCALE;
    const float vy = record.velocity.y;
    return (y < record.flightTopY && vy >= 0.0f) || (y > record.flightBottomY && vy <= 0.0f);
}

void SteerToDiagonal(CharacterRecord &record) {
    const float x = record.pivot[1].x * CHARACTER_SCALE;
    if (x < record.stairTargetX) record.velocity.x = STEER_SPEED;
    if (x > record.stairTargetX) record.velocity.x = -STEER_SPEED;
}

void MotionStep(CharacterRecord &record) {
    const Vec3 p = WorldPosition(record);
    record.pivot[1].x += record.velocity.x * frameInput.dt;
    record.pivot[1].y += record.velocity.y * frameInput.dt;

    float targetZ = FloorDepth(p.y);
    if (AtFootOfFlight(record) != 0) targetZ -= 0.45f;
    if (AtTopOfFlight(record) != 0) targetZ += 0.45f;
    if (record.stairDirection != 0) targetZ -= HeightAboveFloor(p.y) / 3.0f + 0.5f;
    record.velocity.z = p.z < targetZ ? DEPTH_FOLLOW_SPEED : (p.z > targetZ ? -DEPTH_FOLLOW_SPEED : 0.0f);

    // On a flight the character never passes the diagonal.
    const float vx = record.velocity.x;
    if (record.stairDirection != 0 &&
        ((p.x < record.stairTargetX && vx < 0.0f) || (p.x > record.stairTargetX && vx > 0.0f))) {
        record.pivot[1].x = record.stairTargetX / CHARACTER_SCALE;
        record.velocity.x = 0.0f;
    }

    const float limit = TOWER_X_LIMIT / CHARACTER_SCALE;
    if (record.pivot[1].x < -limit) record.pivot[1].x = -limit;
    if (record.pivot[1].x > limit) record.pivot[1].x = limit;

    // Depth changes only while the character moves.
    if (record.velocity.x == 0.0f && record.velocity.y == 0.0f) return;
    record.z += record.velocity.z * frameInput.dt;
}

bool StairTracking(CharacterRecord &record, Vec3 p0) {
    if (record.stairDirection == 0) return false;
    record.stairTargetX = (HeightAboveFloor(p0.y) - 6.0f) * static_cast<float>(record.stairDirection);
    if (StillOnFlight(record) || AtFootOfFlight(record) != 0 || AtTopOfFlight(record) != 0) return false;

    record.stairDirection = 0;
    StartAnimation(record, SLOT_STAND);
    float y = record.pivot[1].y * CHARACTER_SCALE;
    if (y <= record.flightBottomY && record.velocity.y <= 0.0f) {
        y = record.flightBottomY;
        record.velocity.y = 0.0f;
    }
    if (y >= record.flightTopY && record.velocity.y >= 0.0f) {
        y = record.flightTopY;
        record.velocity.y = 0.0f;
    }
    record.pivot[1].y = y / CHARACTER_SCALE;
    return true;
}
