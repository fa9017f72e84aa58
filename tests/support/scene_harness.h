// scene_harness.h -- an offscreen scene for tests: context, start-up with chosen options, frames and screenshots
#pragma once

#include <cstdint>

struct TestSceneOptions {
    int width = 640;
    int height = 480;
    unsigned int seed = 1;
    int fullDetail = -1;  // -1 keeps what LoadSettings read
    int lightingFx = -1;
};

// Creates the context and runs the saver window's start-up on it (settings,
// seed, fixed GL state with the scene set-up, projection, clock), with the
// options overridden between the settings load and the scene set-up.
bool OpenTestScene(const TestSceneOptions &options);
void CloseTestScene();

// One RenderFrame with the given clock values (no game-state or play step).
void RenderTestFrame(float frameNow, float frameDt);

// Writes the current colour buffer to $KVRN_TEST_OUTPUT/NAME.png (without
// it, to kvrn-test-output in the temporary directory); returns the path
// written, or nullptr.
const char *SaveTestShot(const char *name);

// Row 0 at the top, RGBA; valid until the next read.
const uint8_t *TestPixels();
