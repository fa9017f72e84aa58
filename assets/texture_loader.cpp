// texture_loader.cpp -- LoadTexture, LoadTextureStrip, ReleaseTextures
#include "assets/texture_loader.h"

#include "assets/bitmap_decoder.h"
#include "common/extension_list.h"
#include "common/gl.h"
#include "common/message_box.h"

#include <cstdlib>
#include <cstring>

static_assert(sizeof(GLuint) == sizeof(uint32_t), "texture names are stored as 32-bit values");

TextureNames textures;

namespace {

// No OpenGL 1.1 implementation takes a texture side beyond this; a larger
// request is treated like a failed allocation.
const int MAX_TEXTURE_SIDE = 16384;

// The decoded bitmap behind one load; rgb is null when the resource is
// missing or unreadable, and then every texel comes out transparent.
struct SourceBitmap {
    uint8_t *rgb;
    int width;
    int height;
};

SourceBitmap OpenBitmap(int bitmapId) {
    SourceBitmap source{nullptr, 0, 0};
    BitmapStatus status;
    source.rgb = DecodeBitmapResource(bitmapId, &source.width, &source.height, &status);
    return source;
}

void CloseBitmap(SourceBitmap &source) {
    std::free(source.rgb);
    source.rgb = nullptr;
}

// Buffer of width x height RGBA texels, or null after telling the user.
uint8_t *AllocateImage(int width, int height) {
    uint8_t *buffer = nullptr;
    if (width <= MAX_TEXTURE_SIDE && height <= MAX_TEXTURE_SIDE)
        buffer = static_cast<uint8_t *>(std::malloc(static_cast<size_t>(width) * static_cast<size_t>(height) * 4));
    if (buffer == nullptr) {
        ShowErrorMessage("Error alocating texture memory!!", "Error");
        RequestQuit();
    }
    return buffer;
}

void FillFromBitmap(uint8_t *rgba, const SourceBitmap &source, int left, int width, int height, int mode) {
    const uint8_t *key = source.rgb;  // the top-left pixel of the whole bitmap
    for (int y = 0; y < height; ++y) {
        const uint8_t *row = nullptr;
        if (source.rgb != nullptr && y < source.height) row = source.rgb + static_cast<size_t>(y) * source.width * 3;
        uint8_t *out = rgba + static_cast<size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x, out += 4) {
            int sx = left + x;
            const uint8_t *pixel = (row != nullptr && sx < source.width) ? row + static_cast<size_t>(sx) * 3 : nullptr;
            BuildTexel(pixel, key, mode, out);
        }
    }
}

// Linear filtering at a texture's edge reaches half a texel beyond it. Plain
// GL_CLAMP mixes in the border colour there, black by default, which draws
// dark lines along every part of the paper-doll atlases (the mask pass
// multiplies the background by it) and dark fringes round glows and stills.
// Clamping to the edge texel mixes in nothing; where the driver cannot, the
// border takes the picture's top-left texel, the colour each picture keeps as
// its background: white in the masks, the transparent key colour in keyed
// pictures, transparent white in the alpha-from-red ones.
void SetEdgeClamp(const uint8_t *rgba) {
    if (textures.edgeClamp) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        return;
    }
    const GLfloat border[4] = {rgba[0] / 255.0f, rgba[1] / 255.0f, rgba[2] / 255.0f, rgba[3] / 255.0f};
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, border);
}

void Upload(uint32_t *name, int width, int height, const uint8_t *rgba) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glGenTextures(1, name);
    glBindTexture(GL_TEXTURE_2D, *name);
    SetEdgeClamp(rgba);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

}  // namespace

bool OffersEdgeClamp(const char *version, const char *extensions) {
    // atoi and strchr rather than sscanf, whose runtime code would add imports the oldest systems lack.
    const int major = version != nullptr ? std::atoi(version) : 0;
    const char *dot = version != nullptr ? std::strchr(version, '.') : nullptr;
    if (major > 1 || (major == 1 && dot != nullptr && std::atoi(dot + 1) >= 2)) return true;
    return ExtensionListed(extensions, "GL_EXT_texture_edge_clamp") ||
           ExtensionListed(extensions, "GL_SGIS_texture_edge_clamp");
}

void CheckEdgeClamp() {
    const char *version = reinterpret_cast<const char *>(glGetString(GL_VERSION));
    const char *extensions = reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS));
    textures.edgeClamp = OffersEdgeClamp(version, extensions) ? 1 : 0;
}

void BuildTexel(const uint8_t *pixel, const uint8_t *key, int mode, uint8_t *texel) {
    if (pixel == nullptr) {
        texel[0] = texel[1] = texel[2] = texel[3] = 0;
        return;
    }
    texel[0] = pixel[0];
    texel[1] = pixel[1];
    texel[2] = pixel[2];
    texel[3] = 255;
    if (mode == ALPHA_COLOUR_KEY) {
        if (pixel[0] == key[0] && pixel[1] == key[1] && pixel[2] == key[2]) texel[3] = 0;
    } else if (mode == ALPHA_FROM_RED) {
        texel[3] = pixel[0];
        texel[0] = texel[1] = texel[2] = 255;
    }
}

void LoadTexture(int bitmapId, int slot, int width, int height, int mode) {
    if (slot < 0 || slot >= TEXTURE_SLOT_COUNT || width <= 0 || height <= 0) return;
    uint8_t *rgba = AllocateImage(width, height);
    if (rgba == nullptr) return;
    SourceBitmap source = OpenBitmap(bitmapId);
    FillFromBitmap(rgba, source, 0, width, height, mode);
    CloseBitmap(source);
    Upload(&textures.slots[slot], width, height, rgba);
    std::free(rgba);
}

void LoadTextureStrip(int bitmapId, int stripWidth, int tileHeight, int tileWidth, int count, int mode) {
    (void)stripWidth;  // the tiles are cut by tile width and count alone
    if (tileWidth <= 0 || tileHeight <= 0 || count <= 0) return;
    if (count > GLYPH_COUNT) count = GLYPH_COUNT;
    uint8_t *rgba = AllocateImage(tileWidth, tileHeight);
    if (rgba == nullptr) return;
    SourceBitmap source = OpenBitmap(bitmapId);
    for (int k = 0; k < count; ++k) {
        FillFromBitmap(rgba, source, k * tileWidth, tileWidth, tileHeight, mode);
        Upload(&textures.glyphs[k], tileWidth, tileHeight, rgba);
    }
    CloseBitmap(source);
    std::free(rgba);
}

void ReleaseTextures() {
    for (uint32_t &name : textures.slots) {
        if (name != TEXTURE_SLOT_EMPTY) glDeleteTextures(1, &name);
    }
}

void BindTextureSlot(int slot) {
    if (slot >= 0 && slot < TEXTURE_SLOT_COUNT) glBindTexture(GL_TEXTURE_2D, textures.slots[slot]);
}
