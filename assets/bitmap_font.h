// bitmap_font.h -- the 96-glyph font and DrawText3D
#pragma once

#include <cstdint>

// Element k is the glyph of character code 32 + k.
const int GLYPH_COUNT = 96;
extern uint32_t glyphTextures[GLYPH_COUNT];

void LoadFont();
void DrawText3D(const char *text, float size, float alpha);
