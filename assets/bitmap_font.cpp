// bitmap_font.cpp -- glyph textures and DrawText3D
#include "assets/bitmap_font.h"

uint32_t glyphTextures[96];

void LoadFont() {}
void DrawText3D(const char *, float, float) {}
