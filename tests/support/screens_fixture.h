// screens_fixture.h -- offscreen context, solid test textures and pixel probes for the overlay and backdrop tests
#pragma once

#include <cstdint>

#include "common/gl.h"

struct Rgba {
    uint8_t r, g, b, a;
};

// An offscreen context of the given size with the window globals set to
// match, the fixed GL state of the game, and the pixel-unit overlay projection.
bool OpenScreensContext(int width, int height);
void CloseScreensContext();
void LoadOverlayProjection(int width, int height);

// A 4 x 4 texture of one colour.
GLuint SolidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t a);

// Colour of the pixel at overlay coordinates (x right, y up from the bottom row).
Rgba PixelAt(int x, int y);
bool IsRed(Rgba p);
bool IsBlack(Rgba p);
// Pixels of the whole frame that are not black.
int LitPixelCount();
