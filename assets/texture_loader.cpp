// texture_loader.cpp -- LoadTexture, LoadTextureStrip, ReleaseTextures
#include "assets/texture_loader.h"

uint32_t textureSlots[TEXTURE_SLOT_COUNT];

void LoadTexture(int, int, int, int, int) {}
void LoadTextureStrip(int, int, int, int, int, int) {}
void ReleaseTextures() {}
