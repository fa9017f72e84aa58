// texture_loader.h -- textures from the bitmap resources, with their alpha rules
#pragma once

#include <cstdint>

// The fixed texture slots; the scene set-up's table says which bitmap fills each.
enum TextureSlot {
    TEXTURE_LOGO,               // the credits ticker's logo
    TEXTURE_COLOUR_GENERAL,     // colour atlases of the three characters
    TEXTURE_COLOUR_CAPTAIN,
    TEXTURE_COLOUR_HEROINE,
    TEXTURE_MASK_GENERAL,       // their mask atlases
    TEXTURE_MASK_CAPTAIN,
    TEXTURE_MASK_HEROINE,
    TEXTURE_BARREL_SIDE,
    TEXTURE_BARREL_ENDS,
    TEXTURE_STONE,              // tower boxes and stair flights
    TEXTURE_FLAME,              // flame sprite and sparks
    TEXTURE_POSTS,
    TEXTURE_CAGE,
    TEXTURE_PORTRAIT_CAPTAIN,   // the select screen's portraits
    TEXTURE_PORTRAIT_HEROINE,
    TEXTURE_PORTRAIT_GENERAL,
    TEXTURE_HIGHLIGHT,          // highlight bar and name-entry banner
    TEXTURE_STILL,              // the slide show's current still
    TEXTURE_CRAWL_CAPTAIN,      // the three intro crawls
    TEXTURE_CRAWL_HEROINE,
    TEXTURE_CRAWL_GENERAL,
    TEXTURE_SLOT_COUNT
};
const uint32_t TEXTURE_SLOT_EMPTY = static_cast<uint32_t>(-999);

const int ALPHA_OPAQUE = 0;
const int ALPHA_COLOUR_KEY = 1;
const int ALPHA_FROM_RED = 2;

// Element k of glyphs is the glyph of character code 32 + k.
const int GLYPH_COUNT = 96;

// Texture names, and whether the driver clamps to the edge texel: filled at
// the start-up of each rendering context, never reset otherwise.
struct TextureNames {
    uint32_t slots[TEXTURE_SLOT_COUNT];
    uint32_t glyphs[GLYPH_COUNT];
    uint8_t edgeClamp;
};

extern TextureNames textures;

// Whether a driver of that version and extension string clamps to the edge
// texel (OpenGL 1.2, GL_EXT_texture_edge_clamp or GL_SGIS_texture_edge_clamp).
bool OffersEdgeClamp(const char *version, const char *extensions);
// Asks the current context, once after it is made and before any texture is loaded.
void CheckEdgeClamp();

// The module whose resources hold the bitmaps is the resource seam's business
// (resource_bytes.h), so it is not passed here.
void LoadTexture(int bitmapId, int slot, int width, int height, int mode);
void LoadTextureStrip(int bitmapId, int stripWidth, int tileHeight, int tileWidth, int count, int mode);
void ReleaseTextures();
// Binds the slot's texture; a slot number outside the table binds nothing.
void BindTextureSlot(int slot);

// The texel that alpha mode `mode` makes of one bitmap pixel (red, green,
// blue) given the key colour. A null pixel -- outside a missing or too small
// bitmap -- becomes a fully transparent black texel, so a missing resource
// draws nothing instead of crashing the saver.
void BuildTexel(const uint8_t *pixel, const uint8_t *key, int mode, uint8_t *texel);
