// rope_cage.cpp -- the captive, the rope's swing, grab and pull, and the cage reset
#include "game/rope_cage.h"

#include "assets/flying_text.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "game/game_state.h"
#include "game/player.h"

CaptiveController captiveController;
RopeCage ropeCage;

static const float ROPE_FULLY_PULLED = 3.5f;
static const float PULL_BOTTOM_Y = 9.0f;
static const float PULL_END_X = 4.0f;

void InitCaptive(CaptiveController &controller, CharacterRecord &record) {
    controller.character = &record;
    ResetCharacter(record);
    SetWorldPosition(record, ropeCage.cagePosition.x, ropeCage.cagePosition.y + 0.5f, ropeCage.cagePosition.z + 0.5f);
    record.facingLeft = 1;
}

void CageReset() {
    ropeCage.cagePosition = Vec3{6.0f, 8.5f, -5.5f};
    ropeCage.swingAngle = 0.0f;
    ropeCage.swingSpeed = 10.0f;
    ropeCage.swingAccel = 5.0f;
    ropeCage.ropeDrop = 0.0f;
}

void RopeSwingStep() {
    CharacterRecord *player = playerController.character;
    if (player && player->holdingRope) {
        // The hanging figure tilts with the rope as it swings back to vertical.
        if (ropeCage.swingAngle >= 0.0f)
            ropeCage.swingAngle = 0.0f;
        else
            ropeCage.swingAngle += 33.0f * frameInput.dt;
        player->value[1] = ropeCage.swingAngle;
        return;
    }
    ropeCage.swingSpeed += ropeCage.swingAccel * frameInput.dt;
    if (ropeCage.swingSpeed > 12.0f) ropeCage.swingSpeed = 12.0f;
    if (ropeCage.swingSpeed < -12.0f) ropeCage.swingSpeed = -12.0f;
    ropeCage.swingAngle += ropeCage.swingSpeed * frameInput.dt;
    if (ropeCage.swingAngle > 1.0f) ropeCage.swingAccel = -6.0f;
    if (ropeCage.swingAngle < -1.0f) ropeCage.swingAccel = 6.0f;
}

void DrawRope() {
    glPushMatrix();
    glColor3f(1.0f, 1.0f, 1.0f);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, -ropeCage.ropeDrop, 0.0f);
    glEnd();
    glTranslatef(0.0f, -ropeCage.ropeDrop, 0.0f);
    // The rotations accumulate, so the lower segments curl further.
    for (int segment = 0; segment < 6; ++segment) {
        glRotatef(ropeCage.swingAngle, 0.0f, 0.0f, 1.0f);
        glBegin(GL_LINES);
        glVertex3f(0.0f, 0.0f, 0.0f);
        glVertex3f(0.0f, -0.5f, 0.0f);
        glEnd();
        glTranslatef(0.0f, -0.5f, 0.0f);
    }
    glPopMatrix();
}

void RopeGrabCheck() {
    CharacterRecord &player = *playerController.character;
    const Vec3 p = WorldPosition(player);
    if (p.x > 3.0f && p.y > 11.0f && p.x > ropeCage.swingAngle * (1.0f / 15.0f) * 3.25f + 4.5f) player.holdingRope = 1;
}

void RopePull() {
    if (ropeCage.ropeDrop >= ROPE_FULLY_PULLED) return;
    CharacterRecord &player = *playerController.character;
    const float t = frameInput.now - flow.stateStartTime;
    ropeCage.ropeDrop += frameInput.dt;
    Vec3 p = WorldPosition(player);
    if (p.y <= PULL_BOTTOM_Y) {
        p.y = PULL_BOTTOM_Y;
        // Repeated every frame until the rope is fully pulled, so the wait
        // for the next level counts from the pull's last frame.
        SpawnFlyingText(gameMessage, "Well done!", -5.0f, 0.0f, -10.0f, 4.0f);
        flow.gameState = STATE_LEVEL_COMPLETE;
        flow.stateStartTime = frameInput.now;
    } else {
        p.y -= frameInput.dt;
    }
    if (p.x >= PULL_END_X)
        p.x = PULL_END_X;
    else
        p.x += 2.0f * frameInput.dt;
    player.pivot[1] = Vec2{p.x / CHARACTER_SCALE, p.y / CHARACTER_SCALE};
    AddScore(playerController, t > 60.0f ? 75.0 : 250.0 - 2.5 * t);
}
