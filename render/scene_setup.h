// scene_setup.h -- the scene's set-up and release with a current rendering context
#pragma once

#include "assets/texture_loader.h"

// One texture the set-up loads: the bitmap resource, the size the texture
// takes from it, and the alpha rule (texture_loader.h).
struct TextureSlotEntry {
    int slot;
    int bitmapId;
    int width, height;
    int alphaMode;
};

// Every texture slot's bitmap, in load order.
extern const TextureSlotEntry textureTable[TEXTURE_SLOT_COUNT];

// Textures, display lists, the title screen's cast, the lights, the font, the
// overlay projection, the slide show and the ticker texts.
void InitScene();
void ReleaseScene();
