// texture_loader_test.cpp -- alpha modes, uploads read back from OpenGL, missing and short resources, release
#include "assets/bitmap_decoder.h"
#include "assets/bitmap_font.h"
#include "assets/native_resources.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "common/message_log.h"
#include "host/offscreen_context.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// An uncompressed 24-bit DIB of the given pixels (RGB, row 0 at the top).
Bytes Dib24(int width, int height, const std::vector<uint32_t> &rgbTopDown) {
    Bytes b(40, 0);
    auto put32 = [&b](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, static_cast<uint32_t>(width));
    put32(8, static_cast<uint32_t>(height));
    b[12] = 1;
    b[14] = 24;
    size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    for (int row = height - 1; row >= 0; --row) {
        size_t start = b.size();
        for (int x = 0; x < width; ++x) {
            uint32_t c = rgbTopDown[static_cast<size_t>(row) * width + x];
            b.push_back(static_cast<uint8_t>(c));
            b.push_back(static_cast<uint8_t>(c >> 8));
            b.push_back(static_cast<uint8_t>(c >> 16));
        }
        b.resize(start + stride, 0);
    }
    return b;
}

std::vector<uint8_t> ReadTexture(uint32_t name, int width, int height) {
    std::vector<uint8_t> texels(static_cast<size_t>(width) * height * 4, 0xAB);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

GLint TextureParameter(GLenum pname) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, pname, &value);
    return value;
}

class TextureLoader : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateOffscreenContext(64, 64));
        for (uint32_t &slot : textureSlots) slot = TEXTURE_SLOT_EMPTY;
        ClearNativeMessageLog();
        ClearTestBitmapResources();
    }
    void TearDown() override {
        ClearTestBitmapResources();
        DestroyOffscreenContext();
    }
};

}  // namespace

TEST(AlphaModes, TexelRules) {
    const uint8_t key[3] = {10, 20, 30};
    uint8_t t[4];
    const uint8_t same[3] = {10, 20, 30};
    BuildTexel(same, key, ALPHA_COLOUR_KEY, t);
    EXPECT_EQ(t[3], 0);
    EXPECT_EQ(t[0], 10);  // a keyed texel keeps its colour; only alpha goes
    const uint8_t offByOne[3][3] = {{11, 20, 30}, {10, 21, 30}, {10, 20, 31}};
    for (const auto &p : offByOne) {
        BuildTexel(p, key, ALPHA_COLOUR_KEY, t);
        EXPECT_EQ(t[3], 255) << int(p[0]) << "," << int(p[1]) << "," << int(p[2]);
    }

    // Alpha from red: red is the coverage of white; green and blue do nothing.
    const uint8_t greenBlue[3] = {0, 255, 255};
    BuildTexel(greenBlue, key, ALPHA_FROM_RED, t);
    EXPECT_EQ(std::vector<int>(t, t + 4), (std::vector<int>{255, 255, 255, 0}));
    const uint8_t red[3] = {255, 0, 0};
    BuildTexel(red, key, ALPHA_FROM_RED, t);
    EXPECT_EQ(std::vector<int>(t, t + 4), (std::vector<int>{255, 255, 255, 255}));
    const uint8_t grey[3] = {77, 77, 77};
    BuildTexel(grey, key, ALPHA_FROM_RED, t);
    EXPECT_EQ(t[3], 77);

    // Opaque, and any unknown mode, keep colour and alpha 255 -- even for the key colour.
    for (int mode : {ALPHA_OPAQUE, 3, -1, 1000}) {
        BuildTexel(same, key, mode, t);
        EXPECT_EQ(std::vector<int>(t, t + 4), (std::vector<int>{10, 20, 30, 255})) << mode;
    }

    // No pixel (missing or too small bitmap): transparent black.
    BuildTexel(nullptr, key, ALPHA_OPAQUE, t);
    EXPECT_EQ(std::vector<int>(t, t + 4), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(TextureLoader, UploadMatchesDecodedPixelsTopRowFirst) {
    // The tower stone: an 8-bit RLE8 resource, opaque.
    int width = 0, height = 0;
    BitmapStatus status;
    uint8_t *rgb = DecodeBitmapResource(106, &width, &height, &status);
    ASSERT_NE(rgb, nullptr) << BitmapStatusText(status);
    ASSERT_EQ(width, 128);
    ASSERT_EQ(height, 128);

    LoadTexture(106, 9, 128, 128, ALPHA_OPAQUE);
    ASSERT_NE(textureSlots[9], TEXTURE_SLOT_EMPTY);
    ASSERT_TRUE(glIsTexture(textureSlots[9]));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<uint32_t>(bound), textureSlots[9]);  // left bound

    std::vector<uint8_t> texels = ReadTexture(textureSlots[9], 128, 128);
    for (int i = 0; i < 128 * 128; ++i) {
        ASSERT_EQ(texels[4 * i], rgb[3 * i]) << "texel " << i;
        ASSERT_EQ(texels[4 * i + 1], rgb[3 * i + 1]) << "texel " << i;
        ASSERT_EQ(texels[4 * i + 2], rgb[3 * i + 2]) << "texel " << i;
        ASSERT_EQ(texels[4 * i + 3], 255) << "texel " << i;
    }
    EXPECT_EQ(TextureParameter(GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_WRAP_T), GL_CLAMP);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    std::free(rgb);
}

TEST_F(TextureLoader, TopRowOfTheBitmapIsTextureCoordinateZero) {
    // Red on top, blue below, drawn on a quad whose upper edge has t = 0.
    std::vector<uint32_t> pixels(4 * 4, 0x0000FF);
    for (int x = 0; x < 4; ++x) pixels[x] = pixels[4 + x] = 0xFF0000;
    Bytes dib = Dib24(4, 4, pixels);
    ASSERT_TRUE(SetTestBitmapResource(900, dib.data(), dib.size()));
    LoadTexture(900, 3, 4, 4, ALPHA_OPAQUE);
    glViewport(0, 0, 64, 64);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureSlots[3]);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1); glVertex2f(-1, -1);
    glTexCoord2f(1, 1); glVertex2f(1, -1);
    glTexCoord2f(1, 0); glVertex2f(1, 1);
    glTexCoord2f(0, 0); glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    // Rows 12 and 51 sample inside the top and bottom texel pairs, clear of
    // the clamped edge, where GL_CLAMP blends in the black border.
    const uint8_t *screen = ReadOffscreenPixels();  // row 0 at the top
    EXPECT_EQ(screen[(12 * 64 + 32) * 4 + 0], 255);  // upper part: red
    EXPECT_EQ(screen[(12 * 64 + 32) * 4 + 2], 0);
    EXPECT_EQ(screen[(51 * 64 + 32) * 4 + 2], 255);  // lower part: blue
    EXPECT_EQ(screen[(51 * 64 + 32) * 4 + 0], 0);
}

TEST_F(TextureLoader, ColourKeyComesFromTheTopLeftPixel) {
    std::vector<uint32_t> allKey(8 * 8, 0x123456);
    Bytes keyOnly = Dib24(8, 8, allKey);
    ASSERT_TRUE(SetTestBitmapResource(901, keyOnly.data(), keyOnly.size()));
    LoadTexture(901, 0, 8, 8, ALPHA_COLOUR_KEY);
    std::vector<uint8_t> texels = ReadTexture(textureSlots[0], 8, 8);
    for (int i = 0; i < 64; ++i) ASSERT_EQ(texels[4 * i + 3], 0) << i;

    // The key is whatever the top-left pixel holds, not a fixed colour.
    std::vector<uint32_t> mixed(8 * 8, 0xFF00FF);
    mixed[0] = 0x123456;
    mixed[9] = 0x123457;
    Bytes keyed = Dib24(8, 8, mixed);
    ASSERT_TRUE(SetTestBitmapResource(902, keyed.data(), keyed.size()));
    LoadTexture(902, 1, 8, 8, ALPHA_COLOUR_KEY);
    texels = ReadTexture(textureSlots[1], 8, 8);
    EXPECT_EQ(texels[3], 0);
    EXPECT_EQ(texels[9 * 4 + 3], 255);
    EXPECT_EQ(texels[5 * 4 + 3], 255);
}

TEST_F(TextureLoader, StripTilesCoverTheirOwnColumnsAndShareTheKey) {
    // 96 tiles of 2 x 3: tile k has red k in its left column and 255 - k in its right.
    const int tiles = 96;
    std::vector<uint32_t> pixels(static_cast<size_t>(tiles) * 2 * 3);
    for (int y = 0; y < 3; ++y)
        for (int k = 0; k < tiles; ++k) {
            pixels[static_cast<size_t>(y) * tiles * 2 + 2 * k] = static_cast<uint32_t>(k) << 16;
            pixels[static_cast<size_t>(y) * tiles * 2 + 2 * k + 1] = static_cast<uint32_t>(255 - k) << 16 | y;
        }
    Bytes strip = Dib24(tiles * 2, 3, pixels);
    ASSERT_TRUE(SetTestBitmapResource(903, strip.data(), strip.size()));
    LoadTextureStrip(903, tiles * 2, 3, 2, tiles, ALPHA_COLOUR_KEY);
    for (int k : {0, 1, 47, 95}) {
        ASSERT_TRUE(glIsTexture(glyphTextures[k])) << k;
        std::vector<uint8_t> texels = ReadTexture(glyphTextures[k], 2, 3);
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(texels[(y * 2) * 4], k) << "tile " << k;
            EXPECT_EQ(texels[(y * 2 + 1) * 4], 255 - k) << "tile " << k;
            // Key: the strip's top-left pixel (red 0) -- only tile 0's left column vanishes.
            EXPECT_EQ(texels[(y * 2) * 4 + 3], k == 0 ? 0 : 255) << "tile " << k;
        }
    }

    // The real font strip: tile 95 is columns 1520..1535, tile 33 ("A") 528..543.
    int width = 0, height = 0;
    BitmapStatus status;
    uint8_t *rgb = DecodeBitmapResource(113, &width, &height, &status);
    ASSERT_NE(rgb, nullptr);
    ASSERT_EQ(width, 1536);
    LoadTextureStrip(113, 1536, 16, 16, 96, ALPHA_FROM_RED);
    for (int k : {0, 33, 95}) {
        std::vector<uint8_t> texels = ReadTexture(glyphTextures[k], 16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const uint8_t *t = &texels[(y * 16 + x) * 4];
                ASSERT_EQ(t[3], rgb[(y * 1536 + 16 * k + x) * 3]) << k << " " << x << "," << y;
                ASSERT_EQ(t[0], 255);
            }
    }
    std::free(rgb);
}

TEST_F(TextureLoader, MissingMalformedAndShortBitmapsLoadAsTransparent) {
    // Missing: a texture of the asked size, fully transparent, and no message.
    LoadTexture(103, 5, 16, 16, ALPHA_OPAQUE);
    ASSERT_TRUE(glIsTexture(textureSlots[5]));
    std::vector<uint8_t> texels = ReadTexture(textureSlots[5], 16, 16);
    for (uint8_t v : texels) ASSERT_EQ(v, 0);
    EXPECT_EQ(NativeMessageLog().count, 0);

    // Malformed bytes: the same.
    const uint8_t garbage[] = {40, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0};
    ASSERT_TRUE(SetTestBitmapResource(904, garbage, sizeof garbage));
    LoadTexture(904, 6, 4, 4, ALPHA_COLOUR_KEY);
    texels = ReadTexture(textureSlots[6], 4, 4);
    for (uint8_t v : texels) ASSERT_EQ(v, 0);

    // Smaller than asked: the flame (8 x 8) as 16 x 16 keeps its pixels in
    // the top-left corner; the rest is transparent.
    int width = 0, height = 0;
    BitmapStatus status;
    uint8_t *rgb = DecodeBitmapResource(107, &width, &height, &status);
    ASSERT_NE(rgb, nullptr);
    ASSERT_EQ(width, 8);
    LoadTexture(107, 10, 16, 16, ALPHA_FROM_RED);
    texels = ReadTexture(textureSlots[10], 16, 16);
    int lit = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            uint8_t alpha = texels[(y * 16 + x) * 4 + 3];
            if (x < 8 && y < 8) {
                EXPECT_EQ(alpha, rgb[(y * 8 + x) * 3]);
                lit += alpha > 0;
            } else {
                EXPECT_EQ(alpha, 0) << x << "," << y;
            }
        }
    EXPECT_GT(lit, 20);
    std::free(rgb);
    EXPECT_EQ(NativeMessageLog().count, 0);
}

TEST_F(TextureLoader, ImpossibleTextureSizeReportsMemoryFailureAndQuits) {
    LoadTexture(106, 4, 100000, 100000, ALPHA_OPAQUE);
    EXPECT_EQ(textureSlots[4], TEXTURE_SLOT_EMPTY);  // no texture made
    EXPECT_EQ(NativeMessageLog().count, 1);
    EXPECT_STREQ(NativeMessageLog().lastText, "Error alocating texture memory!!");
    EXPECT_STREQ(NativeMessageLog().lastCaption, "Error");
    EXPECT_EQ(NativeMessageLog().lastIcon, MESSAGE_ICON_ERROR);
    EXPECT_EQ(NativeMessageLog().quitRequests, 1);

    // A slot number outside the table is ignored rather than written.
    LoadTexture(106, TEXTURE_SLOT_COUNT, 8, 8, ALPHA_OPAQUE);
    LoadTexture(106, -1, 8, 8, ALPHA_OPAQUE);
    EXPECT_EQ(NativeMessageLog().count, 1);
}

TEST_F(TextureLoader, ReleaseDeletesFilledSlotsAndSkipsEmptyOnes) {
    LoadTexture(107, 10, 8, 8, ALPHA_FROM_RED);
    LoadTexture(130, 16, 256, 64, ALPHA_FROM_RED);
    const uint32_t flame = textureSlots[10], bar = textureSlots[16];
    ASSERT_TRUE(glIsTexture(flame));
    ASSERT_TRUE(glIsTexture(bar));
    LoadFont();
    const uint32_t glyph = glyphTextures[33];
    ReleaseTextures();
    EXPECT_FALSE(glIsTexture(flame));
    EXPECT_FALSE(glIsTexture(bar));
    EXPECT_EQ(textureSlots[10], flame);  // the slot keeps the deleted name
    EXPECT_EQ(textureSlots[0], TEXTURE_SLOT_EMPTY);
    EXPECT_TRUE(glIsTexture(glyph));  // glyphs are not slot textures
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
