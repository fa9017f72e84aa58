// screens_fixture.cpp -- offscreen context, solid test textures and pixel probes for the overlay and backdrop tests
#include "tests/support/screens_fixture.h"

#include <cstring>

#include "host/offscreen_context.h"
#include "render/gl_setup.h"

bool OpenScreensContext(int width, int height) {
    if (!CreateOffscreenContext(width, height)) return false;
    clientRect = ClientRect{0, 0, width, height};
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_NORMALIZE);
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadOverlayProjection(width, height);
    return true;
}

void CloseScreensContext() { DestroyOffscreenContext(); }

void LoadOverlayProjection(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

GLuint SolidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    uint8_t image[4 * 4 * 4];
    const uint8_t texel[4] = {r, g, b, a};
    for (int i = 0; i < 16; ++i) std::memcpy(image + i * 4, texel, 4);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 4, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, image);
    return name;
}

Rgba PixelAt(int x, int y) {
    uint8_t p[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return Rgba{p[0], p[1], p[2], p[3]};
}

bool IsRed(Rgba p) { return p.r > 200 && p.g < 60 && p.b < 60; }
bool IsBlack(Rgba p) { return p.r < 8 && p.g < 8 && p.b < 8; }

int LitPixelCount() {
    const uint8_t *pixels = ReadOffscreenPixels();
    const int total = OffscreenWidth() * OffscreenHeight();
    int lit = 0;
    for (int i = 0; i < total; ++i)
        if (pixels[i * 4] >= 8 || pixels[i * 4 + 1] >= 8 || pixels[i * 4 + 2] >= 8) ++lit;
    return lit;
}
