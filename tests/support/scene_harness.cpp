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
    path += "/";
    path += name;
    path += ".png";
    return WriteOffscreenPng(path.c_str()) ? path.c_str() : nullptr;
}

const uint8_t *TestPixels() { return ReadOffscreenPixels(); }
