// bitmap_font.h -- the 96-glyph font and DrawText3D
#pragma once

#include <cstdint>

extern uint32_t glyphTextures[96];

void LoadFont();
void DrawText3D(const char *text, float size, float alpha);
