// scene_harness.cpp -- offscreen scene start-up for tests
#include "tests/support/scene_harness.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/frame_input.h"
#include "common/random.h"
#include "host/game_calls.h"
#include "host/game_clock.h"
#include "host/offscreen_context.h"
#include "render/frame_renderer.h"
#include "render/gl_setup.h"
#include "settings/settings_store.h"

bool OpenTestScene(const TestSceneOptions &options) {
    if (!CreateOffscreenContext(options.width, options.height)) return false;
    // The steps of GameStartup, with room for the options between load and set-up.
    clientRect = ClientRect{0, 0, options.width, options.height};
    LoadSettings();
    if (options.fullDetail >= 0) settings.fullDetail = static_cast<uint8_t>(options.fullDetail);
    if (options.lightingFx >= 0) settings.lightingFx = static_cast<uint8_t>(options.lightingFx);
    SeedRandom(options.seed);
    InitGlState();
    SetProjection(options.width, options.height);
    InitClock();
    frameInput = FrameInput{};
    return true;
}

void CloseTestScene() {
    GameShutdown();
    DestroyOffscreenContext();
}

void RenderTestFrame(float frameNow, float frameDt) {
    frameInput.now = frameNow;
    frameInput.dt = frameDt;
    RenderFrame();
}

const char *SaveTestShot(const char *name) {
    static std::string path;
    // Outside ctest the shots go to the temporary directory, never into a checkout.
    const char *directory = std::getenv("KVRN_TEST_OUTPUT");
    std::error_code ignored;
    path = directory && *directory ? std::string(directory)
                                   : (std::filesystem::temp_directory_path(ignored) / "kvrn-test-output").string();
    std::filesystem::create_directories(path, ignored);
    path += std::string("/") + name + ".png";
    return WriteOffscreenPng(path.c_str()) ? path.c_str() : nullptr;
}

const uint8_t *TestPixels() { return ReadOffscreenPixels(); }

void LoadOverlayProjection(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

static GLuint Texture(int side, const uint8_t *texels) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    return name;
}

GLuint SolidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    const uint8_t texel[4] = {r, g, b, a};
    return Texture(1, texel);
}

GLuint QuadrantTexture() {
    const uint8_t image[2 * 2 * 4] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    return Texture(2, image);
}

Rgba PixelAt(int x, int y) {
    uint8_t p[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return Rgba{p[0], p[1], p[2], p[3]};
}

bool IsRed(Rgba p) { return p.r > 200 && p.g < 60 && p.b < 60; }
bool IsBlack(Rgba p) { return p.r < 8 && p.g < 8 && p.b < 8; }

static int CountPixels(bool (*counted)(const uint8_t *rgba)) {
    const uint8_t *pixels = ReadOffscreenPixels();
    int count = 0;
    for (int i = 0; i < OffscreenWidth() * OffscreenHeight(); ++i) count += counted(&pixels[i * 4]);
    return count;
}

int LitPixelCount() {
    return CountPixels([](const uint8_t *p) { return p[0] >= 8 || p[1] >= 8 || p[2] >= 8; });
}

int MagentaPixelCount() {
    return CountPixels([](const uint8_t *p) { return p[0] > p[1] + 16 && p[2] > p[1] + 16; });
}
