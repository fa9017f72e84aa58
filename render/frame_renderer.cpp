// frame_renderer.cpp -- RenderFrame and the camera glide
#include "render/frame_renderer.h"

#include "common/gl.h"

Vec3 cameraPos = {0.0f, -5.0f, -19.25f};
Vec2 cameraVel = {0.0f, 0.0f};
float overviewFactor = 0.0f;
float overviewRate = 0.25f;

void RenderFrame() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
