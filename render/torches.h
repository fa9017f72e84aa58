// torches.h -- eight wall torches: flames, sconces and flickering lights
#pragma once

#include <cstdint>

#include "common/vec.h"

struct FlameParticle {
    Vec3 position;  // offset from the torch
    Vec3 velocity;
    Vec3 sway;      // acceleration; only x is ever non-zero
    float life;     // 100 at spawn, dies below 0
    float fadeRate; // life lost per second
    uint8_t active;
};

const int TORCH_COUNT = 8;
const int FLAMES_PER_TORCH = 5;

struct Torch {
    Vec3 position;
    uint32_t lightId;  // GL_LIGHT0 + torch index
    FlameParticle flames[FLAMES_PER_TORCH];
    float flicker;       // light reach
    float flickerSpeed;  // reach gained per second until the next turn
    float flickerWait;   // seconds until the flicker turns again
};

extern Torch torches[TORCH_COUNT];

// Flicker starts here, above the upper bound, so the first update always dims.
const float TORCH_START_FLICKER = 1.5f;
const float FLICKER_LOW = 0.25f;
const float FLICKER_HIGH = 1.25f;
const float FLICKER_SPEED = 5.0f;
// The flicker draws a new direction this often, whatever the frame rate, so
// it overshoots a bound by at most 5/30 and the reach stays positive.
const float FLICKER_TURN_SECONDS = 1.0f / 30.0f;

// Program start, before the generator is seeded: flames reset and spawned, flicker 1.5.
void ConstructTorches();

// Compile the sconce list and place the torches.
void BuildSconceAndPlaceTorches();

// The two lighting set-ups; the scene set-up picks one by the lighting option.
void SetUpTorchLights();
void SetUpFixedLight();

// Every frame in world coordinates, update then draw for each torch in order.
void UpdateTorch(Torch &torch);
void DrawTorch(const Torch &torch);

void ResetFlame(FlameParticle &flame);
void SpawnFlame(FlameParticle &flame);
void UpdateFlame(FlameParticle &flame);
