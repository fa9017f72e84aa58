// bitmap_font.h -- the 96-glyph font and DrawText3D
#pragma once

// The glyph textures live in textures.glyphs (texture_loader.h).
void LoadFont();
void DrawText3D(const char *text, float size, float alpha);
