// texture_loader.h -- textures from the bitmap resources, with their alpha rules
#pragma once

#include <cstdint>

const int TEXTURE_SLOT_COUNT = 21;
const uint32_t TEXTURE_SLOT_EMPTY = static_cast<uint32_t>(-999);

const int ALPHA_OPAQUE = 0;
const int ALPHA_COLOUR_KEY = 1;
const int ALPHA_FROM_RED = 2;

extern uint32_t textureSlots[TEXTURE_SLOT_COUNT];

// The module whose resources hold the bitmaps is the resource seam's business
// (resource_bytes.h), so it is not passed here.
void LoadTexture(int bitmapId, int slot, int width, int height, int mode);
void LoadTextureStrip(int bitmapId, int stripWidth, int tileHeight, int tileWidth, int count, int mode);
void ReleaseTextures();

// The texel that alpha mode `mode` makes of one bitmap pixel (red, green,
// blue) given the key colour. A null pixel -- outside a missing or too small
// bitmap -- becomes a fully transparent black texel, so a missing resource
// draws nothing instead of crashing the saver.
void BuildTexel(const uint8_t *pixel, const uint8_t *key, int mode, uint8_t *texel);
