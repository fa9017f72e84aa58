// player.cpp -- player control, hit test, deaths and the play step
#include "game/player.h"

#include <cmath>

#include "common/frame_input.h"
#include "game/ape.h"
#include "game/character_tables.h"
#include "game/game_state.h"
#include "game/levels.h"
#include "game/rope_cage.h"
#include "game/tower_motion.h"
#include "render/screens_hud.h"  // upward: a death restarts the ticker on "press space"

PlayerController playerController;
PlayClock playClock;

static const float WALK_SPEED = 140.0f;   // model units per second
static const float CLIMB_SPEED = 80.0f;   // vertical, on a flight
static const float JUMP_KEEPS = 0.8f;     // of the horizontal speed at take-off
static const int64_t LONGEST_CATCH_UP_STEPS = 1200;  // ten seconds of play in one frame

void InitPlayer(PlayerController &controller, CharacterRecord &record) {
    controller.lives = 3;
    controller.score = 0.0;
    controller.level = 1;
    controller.dying = 0;
    controller.character = &record;
    controller.freshRecord = 1;
    ResetCharacter(record);
}

void Respawn(PlayerController &controller) {
    if (!controller.dying) return;
    ResetCharacter(*controller.character);
    controller.freshRecord = 1;
    controller.dying = 0;
}

void AddScore(PlayerController &controller, double rate) { controller.score += frameInput.dt * rate; }

// |d| truncated to whole thousandths.
static float Thousandths(float d) { return static_cast<float>(std::trunc(std::fabs(d) * 1000.0) / 1000.0); }

bool HitTest(PlayerController &controller) {
    const CharacterRecord &record = *controller.character;
    const Vec3 p = WorldPosition(record);
    const float b = CHARACTER_SCALE * record.value[0];
    const bool harmful = flow.gameState == STATE_PLAY;  // no bonus while the barrels cannot hit
    for (ThrownObject &object : thrownObjects) {
        if (!object.active) continue;
        const float dx = Thousandths(p.x - object.position.x);
        const float dz = Thousandths(p.z - object.position.z);
        const float dy = b + p.y - 1.25f - object.position.y;
        const float absDy = Thousandths(dy);
        if (dx < 0.6f && dy > 0.0f && dy < 2.0f && dz < 1.0f && harmful) AddScore(controller, 100.0);
        if (dx < 0.6f && absDy < 0.6f && dz < 1.0f) return true;
    }
    return false;
}

void TopFloorFallCheck(PlayerController &controller) {
    const CharacterRecord &record = *controller.character;
    const Vec3 p = WorldPosition(record);
    // The top floor ends at x = 1.5: stepping beyond it is a fall.
    if (!record.jumping && p.x > 1.5f && p.y > 11.0f && !record.holdingRope) Death(controller, SLOT_DEATH_FALL);
}

void Death(PlayerController &controller, int slot) {
    if (controller.dying) return;
    if (controller.lives > 0) controller.lives -= 1;
    CharacterRecord &record = *controller.character;
    StartAnimation(record, slot);
    record.velocity = Vec3{0, 0, 0};
    // A death lets go of the rope: the cage drops back, and the next grab pulls
    // it from the start; the pull can no longer end the level or undo a game over.
    if (record.holdingRope) {
        record.holdingRope = 0;
        CageReset();
    }
    // A space press made before the death cannot skip it: continuing takes a new press.
    frameInput.keyPressed[KEY_SPACE] = 0;
    RestartTicker(TICKER_PRESS_SPACE);
    if (controller.lives == 0) GameOver();
    controller.dying = 1;
}

// The arrows are read from keyPressed directly: a new press is cleared only
// when the control acts on it.
static bool NewPress(int key, bool restart) {
    if (!frameInput.keyPressed[key] && !restart) return false;
    frameInput.keyPressed[key] = 0;
    return true;
}

static void SideArrow(CharacterRecord &record, int key, bool restart, bool left) {
    const float sign = left ? -1.0f : 1.0f;
    if (record.stairDirection != 0) {
        SteerToDiagonal(record);
        record.velocity.y = sign * static_cast<float>(record.stairDirection) * CLIMB_SPEED;
    } else {
        record.velocity.x = sign * WALK_SPEED;
        record.velocity.y = 0.0f;
    }
    playerController.idleShown = 0;
    record.facingLeft = left ? 1 : 0;
    if (!NewPress(key, restart)) return;
    StartAnimation(record, SLOT_RUN);
    if (StillOnFlight(record)) {
        // Walking down a flight runs; walking up it climbs.
        const int downward = left ? +1 : -1;
        StartAnimation(record, record.stairDirection == downward ? SLOT_RUN : SLOT_CLIMB);
    }
}

void ControlStep(bool restart) {
    PlayerController &controller = playerController;
    CharacterRecord &record = *controller.character;
    const Vec3 p = WorldPosition(record);

    if (controller.dying && ConsumeKeyPress(KEY_SPACE)) {
        ClearLowObjects();
        Respawn(controller);
    }
    // After the record is reset (a respawn, a level start) a held arrow starts its animation afresh.
    restart = restart || controller.freshRecord;
    controller.freshRecord = 0;
    if (ConsumeKeyPress(KEY_SPACE)) {
        if (record.jumping) return;
        record.jumping = 1;
        StartAnimation(record, p.y > 9.0f && p.x > 0.0f ? SLOT_ROPE_JUMP : SLOT_JUMP);
        record.velocity.y = 0.0f;
        record.velocity.x *= JUMP_KEEPS;
    }
    if (record.jumping || controller.dying) return;

    // The hanging player stays on the rope's line whatever arrows are held.
    const bool arrows = !record.holdingRope;
    if (arrows && frameInput.keyDown[KEY_LEFT]) {
        SideArrow(record, KEY_LEFT, restart, true);
    } else if (arrows && frameInput.keyDown[KEY_RIGHT]) {
        SideArrow(record, KEY_RIGHT, restart, false);
    } else if (arrows && frameInput.keyDown[KEY_UP]) {
        if (NewPress(KEY_UP, restart)) {
            const int direction = AtFootOfFlight(record);
            if (direction != 0) {
                record.stairDirection = direction;
                StartAnimation(record, SLOT_CLIMB);
            }
            if (StillOnFlight(record)) {
                record.facingLeft = record.stairDirection < 0 ? 1 : 0;
                StartAnimation(record, SLOT_CLIMB);
            }
        }
        record.velocity.x = 0.0f;
        if (record.stairDirection != 0) {
            SteerToDiagonal(record);
            record.velocity.y = CLIMB_SPEED;
            controller.idleShown = 0;
        } else {
            record.velocity.y = 0.0f;
        }
    } else if (arrows && frameInput.keyDown[KEY_DOWN]) {
        if (NewPress(KEY_DOWN, restart)) {
            const int direction = AtTopOfFlight(record);
            if (direction != 0) {
                record.stairDirection = direction;
                StartAnimation(record, SLOT_RUN);
            }
            if (StillOnFlight(record)) {
                record.facingLeft = record.stairDirection > 0 ? 1 : 0;
                StartAnimation(record, SLOT_RUN);
            }
        }
        record.velocity.x = 0.0f;
        if (record.stairDirection != 0) {
            SteerToDiagonal(record);
            record.velocity.y = -CLIMB_SPEED;
            controller.idleShown = 0;
        } else {
            record.velocity.y = 0.0f;
        }
    } else {
        if (controller.idleShown) return;
        record.velocity.x = 0.0f;
        record.velocity.y = 0.0f;
        StartAnimation(record, record.holdingRope ? SLOT_HANG : SLOT_STAND);
        controller.idleShown = 1;
    }
}

// One fixed step of play: the characters, the rope's swing, the barrels, and
// the rules between them, all at the step's time.
static void PlayFixedStep() {
    PlayerController &controller = playerController;
    CharacterRecord &player = *controller.character;
    CharacterRecord &ape = *apeController.character;
    const Vec3 p0 = WorldPosition(player);

    if (flow.gameState != STATE_SELECT) {
        UpdateAnimation(player);
        UpdateAnimation(ape);
        ApeStep(apeController);
        if (!player.holdingRope) MotionStep(player);
        MotionStep(ape);
    }
    RopeSwingStep();
    StepObjects();
    TopFloorFallCheck(controller);
    if (player.jumping && !player.holdingRope) RopeGrabCheck();
    if (player.holdingRope) RopePull();
    if (HitTest(controller) && flow.gameState == STATE_PLAY) Death(controller, SLOT_DEATH_HIT);

    bool restart = player.jumpingLastFrame && !player.jumping;
    player.jumpingLastFrame = player.jumping;
    if (StairTracking(player, p0)) restart = true;
    // The player is hidden on the title and during the intro: only a game in play is controlled.
    if (flow.gameState == STATE_PLAY || flow.gameState == STATE_LEVEL_COMPLETE) ControlStep(restart);
}

void PlayStep() {
    if (!playerController.character || !apeController.character) return;
    const float frameNow = frameInput.now;
    const float frameDt = frameInput.dt;
    // Steps are counted on the full reading: days into a run the float now moves in 8-16 ms jumps.
    const double reading = frameInput.previousReading;
    // A gap longer than this (a suspended machine) is skipped rather than replayed step by step.
    const int64_t backlog = static_cast<int64_t>(reading / PLAY_STEP) - playClock.steps;
    if (backlog > LONGEST_CATCH_UP_STEPS) playClock.steps += backlog - LONGEST_CATCH_UP_STEPS;
    while (static_cast<double>(playClock.steps + 1) * PLAY_STEP <= reading) {
        playClock.steps += 1;
        frameInput.now = static_cast<float>(static_cast<double>(playClock.steps) * PLAY_STEP);
        frameInput.dt = static_cast<float>(PLAY_STEP);
        PlayFixedStep();
    }
    frameInput.now = frameNow;
    frameInput.dt = frameDt;
}

int32_t ScoreAsInteger(double score) {
    if (!(score == score)) return 0;
    if (score >= 2147483647.0) return 2147483647;
    if (score <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int32_t>(score);
}
