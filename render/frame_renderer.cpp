// frame_renderer.cpp -- RenderFrame, the camera glide and the overview tilt
#include "render/frame_renderer.h"

#include "assets/display_lists.h"
#include "assets/flying_text.h"
#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "game/ape.h"
#include "game/character.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/gl_setup.h"
#include "render/screens_hud.h"
#include "render/tower_geometry.h"

CameraView view;

const float CAMERA_GLIDE_SPEED = 3.0f;
const float OVERVIEW_TILT = -45.0f;       // degrees about x at the full overview
const float OVERVIEW_DROP = 10.0f;        // extra lowering of the camera target in the overview
const float MESSAGE_RELEASE_AGE = 7.0f;   // the message's letters fly away from here on
const float MESSAGE_END_AGE = 12.0f;

void AdvanceOverview() {
    view.overviewFactor += frameInput.dt * view.overviewRate;
    if (view.overviewFactor > 1.0f) view.overviewFactor = 1.0f;
    if (view.overviewFactor < 0.0f) view.overviewFactor = 0.0f;
}

// Constant speed toward the target; an overshoot snaps onto it and stops.
static void GlideAxis(float &value, float &velocity, float target) {
    if (value < target) velocity = CAMERA_GLIDE_SPEED;
    if (value > target) velocity = -CAMERA_GLIDE_SPEED;
    value += frameInput.dt * velocity;
    if ((value < target && velocity < 0.0f) || (value > target && velocity > 0.0f)) {
        velocity = 0.0f;
        value = target;
    }
}

Vec3 CameraTarget(const Vec3 &playerWorld) {
    const float drop = view.overviewFactor > 0.0f ? OVERVIEW_DROP : 0.0f;
    return Vec3{0.0f, -(5.0f + drop) - 0.75f * playerWorld.y, -18.0f - 0.5f * playerWorld.z};
}

void MoveCamera() {
    const Vec3 player = playerController.character ? WorldPosition(*playerController.character)
                                                   : Vec3{0.0f, 0.0f, 0.0f};
    const Vec3 target = CameraTarget(player);
    GlideAxis(view.cameraPos.y, view.cameraVel.x, target.y);
    GlideAxis(view.cameraPos.z, view.cameraVel.y, target.z);
}

static void DrawCharacterIfCast(const CharacterRecord *record) {
    if (record) DrawCharacter(*record);
}

static void DrawGameMessage() {
    if (!gameMessage.active) return;
    const float age = frameInput.now - gameMessage.startTime;
    if (age > MESSAGE_END_AGE) gameMessage.active = 0;  // still drawn this once
    if (age > MESSAGE_RELEASE_AGE) ReleaseFlyingText(gameMessage);
    glPushMatrix();
    glDisable(GL_LIGHTING);
    glScalef(0.25f, 0.25f, 1.0f);
    DrawFlyingText(gameMessage);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

void RenderFrame() {
    SlideShowStep(flow.gameState == STATE_TITLE, view.overviewFactor);
    AdvanceOverview();
    MoveCamera();
    SetProjection(W(), H());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    // World coordinates: the camera's translation, then the overview's tilt.
    glPushMatrix();
    glTranslatef(view.cameraPos.x, view.cameraPos.y, view.cameraPos.z);
    glRotatef(OVERVIEW_TILT * view.overviewFactor, 1.0f, 0.0f, 0.0f);
    DrawBackdrop(view.cameraPos.z);
    glCallList(TOWER_LIST);
    DrawRopeCageAndTorches();

    glColor3f(1.0f, 1.0f, 1.0f);
    for (const ThrownObject &object : thrownObjects)
        if (object.active) DrawObject(object);

    glPushMatrix();
    glScalef(CHARACTER_SCALE, CHARACTER_SCALE, CHARACTER_SCALE);
    DrawCharacterIfCast(playerController.character);
    DrawCharacterIfCast(apeController.character);
    glPopMatrix();
    glPopMatrix();

    // Eye coordinates from here on.
    if (flow.gameState == STATE_INTRO) DrawIntroCrawl();
    DrawGameMessage();

    glCallList(ORTHO_OVERLAY_LIST);
    DrawOverlay();
}
