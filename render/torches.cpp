// torches.cpp -- torch records, flames, flame sprite and sconce lists, lights
#include "render/torches.h"

#include <algorithm>

#include "assets/display_lists.h"
#include "assets/flame_sprite.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "common/random.h"
#include "settings/settings_store.h"

Torch torches[TORCH_COUNT];

// Each torch sits on the front face of a tower block, 0.5 below its top edge.
static const Vec3 torchPositions[TORCH_COUNT] = {
    //   x      y      z
    {-6.0f,  1.0f,  2.0f},  // 0, front block 0
    { 6.0f,  1.0f,  1.0f},  // 1, floor slab 1
    {-6.0f,  4.0f, -1.0f},  // 2, floor slab 2
    { 6.0f,  4.0f,  0.0f},  // 3, front block 1
    {-6.0f,  7.0f, -2.0f},  // 4, front block 2
    { 6.0f,  7.0f, -3.0f},  // 5, floor slab 3a
    {-6.0f, 10.0f, -5.0f},  // 6, floor slab 4
    { 0.0f, 10.0f, -4.0f},  // 7, front block 3
};

void ResetFlame(FlameParticle &flame) {
    flame.position = Vec3{0.0f, 0.0f, 0.0f};
    flame.velocity = Vec3{0.0f, 0.0f, 0.0f};
    flame.sway = Vec3{0.0f, 0.0f, 0.0f};
    flame.life = 100.0f;
    flame.fadeRate = 10.0f;
    flame.active = 0;
}

void ConstructTorches() {
    for (int t = 0; t < TORCH_COUNT; ++t) {
        Torch &torch = torches[t];
        for (FlameParticle &flame : torch.flames) {
            ResetFlame(flame);
            SpawnFlame(flame);
        }
        torch.flicker = TORCH_START_FLICKER;
        torch.flickerWait = 0.0f;  // the first update turns at once
    }
}

// Three draws, in this order: rise speed, side speed, fade rate.
void SpawnFlame(FlameParticle &flame) {
    flame.position = Vec3{0.0f, 0.0f, 0.0f};
    flame.velocity.y = static_cast<float>(Random() % 300) * 0.001f + 0.1f;
    flame.velocity.x = static_cast<float>(Random() % 500 - 250) * 0.001f;
    flame.velocity.z = 0.0f;
    flame.sway = Vec3{-2.0f * flame.velocity.x, 0.0f, 0.0f};
    flame.active = 1;
    flame.life = 100.0f;
    flame.fadeRate = static_cast<float>(Random() % 80 + 50);
}

void UpdateFlame(FlameParticle &flame) {
    // Pull back toward the torch's axis once the flame has crossed it.
    if ((flame.position.x < 0.0f && flame.sway.x < 0.0f) || (flame.position.x > 0.0f && flame.sway.x > 0.0f))
        flame.sway.x = -flame.velocity.x;
    flame.velocity.x += frameInput.dt * flame.sway.x;
    flame.velocity.y += frameInput.dt * flame.sway.y;
    flame.velocity.z += frameInput.dt * flame.sway.z;
    flame.position.x += frameInput.dt * flame.velocity.x;
    flame.position.y += frameInput.dt * flame.velocity.y;
    flame.position.z += frameInput.dt * flame.velocity.z;
    flame.life -= frameInput.dt * flame.fadeRate;
    if (flame.life < 0.0f) flame.active = 0;
}

void BuildSconceAndPlaceTorches() {
    // A narrow grey wedge hanging below the torch point.
    glNewList(SCONCE_LIST, GL_COMPILE);
    glColor4f(0.25f, 0.25f, 0.25f, 1.0f);
    glBegin(GL_TRIANGLES);
    glNormal3f( 1.0f, -0.25f, 1.0f);
    glVertex3f(-0.15f, -0.05f, 0.0f);
    glVertex3f( 0.0f,  -0.05f, 0.15f);
    glVertex3f( 0.0f,  -0.75f, 0.0f);
    glNormal3f(-1.0f, -0.25f, 1.0f);
    glVertex3f( 0.0f,  -0.05f, 0.15f);
    glVertex3f( 0.15f, -0.05f, 0.0f);
    glVertex3f( 0.0f,  -0.75f, 0.0f);
    glEnd();
    glEndList();

    for (int t = 0; t < TORCH_COUNT; ++t) {
        torches[t].position = torchPositions[t];
        torches[t].lightId = GL_LIGHT0 + static_cast<uint32_t>(t);
    }
}

static void SetLightPosition(const Torch &torch) {
    const GLfloat position[4] = {torch.position.x, torch.position.y, torch.position.z, 1.0f};
    glLightfv(torch.lightId, GL_POSITION, position);
}

// The light's reach follows the flicker: attenuation 1 + d / 2f + d^2 / 2f^2.
static void SetLightReach(const Torch &torch) {
    glLightf(torch.lightId, GL_CONSTANT_ATTENUATION, 1.0f);
    glLightf(torch.lightId, GL_LINEAR_ATTENUATION, 1.0f / (2.0f * torch.flicker));
    glLightf(torch.lightId, GL_QUADRATIC_ATTENUATION, 1.0f / (2.0f * torch.flicker * torch.flicker));
}

void SetUpTorchLights() {
    static const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    static const GLfloat specular[4] = {0.03f, 0.03f, 0.03f, 1.0f};
    for (const Torch &torch : torches) {
        glLightfv(torch.lightId, GL_AMBIENT, white);
        glLightfv(torch.lightId, GL_DIFFUSE, white);
        glLightfv(torch.lightId, GL_SPECULAR, specular);
        SetLightPosition(torch);
        // The tower is drawn before the first torch update of a frame; without a
        // reach from the start, the first frame would be lit by eight
        // unattenuated lights and flash white.
        SetLightReach(torch);
        glEnable(torch.lightId);
    }
    glEnable(GL_LIGHTING);
}

void SetUpFixedLight() {
    static const GLfloat ambient[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    static const GLfloat diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    static const GLfloat specular[4] = {0.3f, 0.3f, 0.3f, 1.0f};
    // Given in eye coordinates, so the light rides with the camera.
    static const GLfloat position[4] = {0.0f, 25.0f, 5.0f, 1.0f};
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glPopMatrix();
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

// A new direction drawn every frame made the flicker a random walk whose
// steps shrink with the frame time: at 120 fps the light swung about half as
// far as at 30. Turning at a fixed rhythm instead gives every frame rate the
// look of 30 fps. A turn due within a frame happens there, so a 30 fps frame
// makes exactly one draw; the slack keeps float rounding of the frame time
// from adding a second one.
static void AdvanceFlicker(Torch &torch) {
    const float slack = 1e-4f;
    float left = std::min(frameInput.dt, 1.0f);  // a stalled frame catches up at most a second
    while (left > slack) {
        if (torch.flickerWait <= slack) {
            torch.flickerSpeed = (Random() & 1) ? -FLICKER_SPEED : FLICKER_SPEED;
            if (torch.flicker < FLICKER_LOW) torch.flickerSpeed = FLICKER_SPEED;
            if (torch.flicker > FLICKER_HIGH) torch.flickerSpeed = -FLICKER_SPEED;
            torch.flickerWait += FLICKER_TURN_SECONDS;
        }
        const float step = std::min(left, torch.flickerWait);
        torch.flicker += step * torch.flickerSpeed;
        torch.flickerWait -= step;
        left -= step;
    }
}

void UpdateTorch(Torch &torch) {
    if (settings.lightingFx) {
        // Re-given every frame in the world transform, so the light stays on the torch.
        SetLightPosition(torch);
        AdvanceFlicker(torch);
        SetLightReach(torch);
    }
    // A dead flame is respawned here, before it would be drawn again.
    for (FlameParticle &flame : torch.flames) {
        if (flame.active)
            UpdateFlame(flame);
        else
            SpawnFlame(flame);
    }
}

void DrawTorch(const Torch &torch) {
    static const GLfloat noEmission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glPushMatrix();
    glTranslatef(torch.position.x, torch.position.y, torch.position.z);
    glEnable(GL_BLEND);
    BeginFlameSprites();
    for (const FlameParticle &flame : torch.flames) {
        // Orange-yellow and opaque when fresh, redder and fainter as it burns out.
        const GLfloat glow[4] = {1.0f, flame.life / 150.0f, 0.0f, flame.life / 100.0f};
        glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, glow);
        glColor4fv(glow);
        AddFlameSprite(flame.position.x, flame.position.y, flame.position.z);
    }
    EndFlameSprites();
    glDisable(GL_BLEND);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, noEmission);
    glCallList(SCONCE_LIST);
    glPopMatrix();
}
