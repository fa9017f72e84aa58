// scene_harness.h -- an offscreen scene for tests: start-up with chosen options, frames, pixel probes and screenshots
#pragma once

#include <cstdint>

#include "common/gl.h"

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

struct Rgba {
    uint8_t r, g, b, a;
};

// The pixel-unit projection of the overlay (origin at the bottom-left corner).
void LoadOverlayProjection(int width, int height);
// A 1 x 1 texture of one colour.
GLuint SolidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t a);
// A 2 x 2 texture, sampled without filtering: red and green in its top row
// (t = 0), blue and white below, so a test sees which corner lands where.
GLuint QuadrantTexture();
// Colour of the pixel at overlay coordinates (x right, y up from the bottom row).
Rgba PixelAt(int x, int y);
bool IsRed(Rgba p);
bool IsBlack(Rgba p);
// Pixels of the whole frame that are not black.
int LitPixelCount();
// Pixels of the whole frame whose red and blue both stand clear of green: a magenta tint.
int MagentaPixelCount();
