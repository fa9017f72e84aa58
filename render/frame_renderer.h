// frame_renderer.h -- one frame of the scene and its gliding camera
#pragma once

#include "common/vec.h"

// Never reset while the program runs.
extern Vec3 cameraPos;
extern Vec2 cameraVel;  // x holds the y glide speed, y the z glide speed
extern float overviewFactor;
extern float overviewRate;

void RenderFrame();

// The frame's simulation steps, also run on their own by tests.
void AdvanceOverview();               // overviewFactor by dt, kept in [0, 1]
Vec3 CameraTarget(const Vec3 &playerWorld);
void MoveCamera();                    // one glide step toward the player's target
