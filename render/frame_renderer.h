// frame_renderer.h -- one frame of the scene and its gliding camera
#pragma once

#include "common/vec.h"

// The camera and its turn to the overview; never reset while the program runs.
struct CameraView {
    Vec3 cameraPos = {0.0f, -5.0f, -19.25f};
    Vec2 cameraVel = {0.0f, 0.0f};  // x holds the y glide speed, y the z glide speed
    float overviewFactor = 0.0f;
    float overviewRate = 0.25f;
};

extern CameraView view;

void RenderFrame();

// The frame's simulation steps, also run on their own by tests.
void AdvanceOverview();               // overviewFactor by dt, kept in [0, 1]
Vec3 CameraTarget(const Vec3 &playerWorld);
void MoveCamera();                    // one glide step toward the player's target
