// offscreen_context.h -- an OSMesa rendering context for tests, the headless runner and the benchmark (native only)
#pragma once

#include <cstdint>

// Creates and makes current an RGBA context with a 16-bit depth buffer and
// OpenGL 1.1 semantics. Only one exists at a time.
bool CreateOffscreenContext(int width, int height);
void DestroyOffscreenContext();
int OffscreenWidth();
int OffscreenHeight();
// Finishes drawing and returns the colour buffer, row 0 at the top, RGBA.
const uint8_t *ReadOffscreenPixels();
// Writes the current colour buffer as an RGB PNG.
bool WriteOffscreenPng(const char *path);
// Writes any RGBA image (row 0 at the top) as an RGB PNG.
bool WritePng(const char *path, const uint8_t *rgba, int width, int height);
