// texture_loader_test.cpp -- alpha modes, uploads read back, who offers edge clamping, short, missing and malformed bitmaps, release
#include "assets/bitmap_font.h"
#include "assets/resource_bytes_fake.h"
#include "assets/texture_loader.h"
#include "common/gl.h"
#include "common/message_box_fake.h"
#include "host/offscreen_context.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

std::vector<uint8_t> ReadTexture(uint32_t name, int width, int height) {
    std::vector<uint8_t> texels(static_cast<size_t>(width) * height * 4, 0xAB);
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

class TextureLoader : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateOffscreenContext(64, 64));
        // A 32-bit top-down DIB of a tile for every glyph, 2 x 3 on green 0x40: tile k has
        // red k in its left column, and 255 - k with blue y in its right.
        strip.assign(40, 0);
        strip[0] = 40, strip[4] = GLYPH_COUNT * 2, strip[12] = 1, strip[14] = 32;
        strip[8] = 0xFD, strip[9] = strip[10] = strip[11] = 0xFF;  // height -3
        for (int y = 0; y < 3; ++y)
            for (int k = 0; k < GLYPH_COUNT; ++k)
                for (uint32_t c : {uint32_t(k) << 16 | 0x4000, uint32_t(255 - k) << 16 | 0x4000 | y}) {
                    pixels.push_back(c);
                    strip.insert(strip.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), 0});
                }
        ASSERT_TRUE(SetTestBitmapResource(903, strip.data(), strip.size()));
    }
    void TearDown() override { DestroyOffscreenContext(); }
    std::vector<uint32_t> pixels;  // the strip's, row 0 first
    Bytes strip;
};

}  // namespace

TEST(AlphaModes, TexelRules) {
    const uint8_t key[3] = {10, 20, 30};
    struct Case {
        uint8_t pixel[3];
        int mode;
        uint8_t texel[4];
    } cases[] = {
        {{10, 20, 30}, ALPHA_COLOUR_KEY, {10, 20, 30, 0}},  // a keyed texel keeps its colour; only alpha goes
        {{11, 20, 30}, ALPHA_COLOUR_KEY, {11, 20, 30, 255}},
        {{10, 21, 30}, ALPHA_COLOUR_KEY, {10, 21, 30, 255}},
        {{10, 20, 31}, ALPHA_COLOUR_KEY, {10, 20, 31, 255}},
        // Alpha from red: red is the coverage of white; green and blue do nothing.
        {{0, 255, 255}, ALPHA_FROM_RED, {255, 255, 255, 0}},
        {{255, 0, 0}, ALPHA_FROM_RED, {255, 255, 255, 255}},
        {{77, 77, 77}, ALPHA_FROM_RED, {255, 255, 255, 77}},
        // Opaque, and any unknown mode, keep colour and alpha 255 -- even for the key colour.
        {{10, 20, 30}, ALPHA_OPAQUE, {10, 20, 30, 255}},
        {{10, 20, 30}, -1, {10, 20, 30, 255}},
    };
    for (const Case &c : cases) {
        uint8_t t[4];
        BuildTexel(c.pixel, key, c.mode, t);
        EXPECT_EQ(Bytes(t, t + 4), Bytes(c.texel, c.texel + 4)) << "case " << &c - cases;
    }
}

TEST_F(TextureLoader, UploadHoldsThePixelsTopRowFirstAndIsTransparentBeyondASmallerBitmap) {
    // The texture's first row read back is t = 0, and must be the bitmap's top row.
    // Asked as 200 x 4, the strip (192 x 3) keeps its place in the top-left corner.
    LoadTexture(903, 9, 200, 4, ALPHA_COLOUR_KEY);
    const std::vector<uint8_t> texels = ReadTexture(textures.slots[9], 200, 4);
    for (int i = 0; i < 200 * 4; ++i) {
        const bool inside = i % 200 < GLYPH_COUNT * 2 && i / 200 < 3;
        const uint32_t c = inside ? pixels[i / 200 * GLYPH_COUNT * 2 + i % 200] : 0;
        const uint8_t alpha = inside && c != pixels[0] ? 255 : 0;  // keyed on the top-left pixel
        EXPECT_EQ(Bytes(&texels[4 * i], &texels[4 * i + 4]), Bytes({uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), alpha}))
            << "texel " << i;
    }
}

TEST(EdgeClamp, OfferedFromOpenGl12OrByEitherExtension) {
    const struct {
        const char *version, *extensions;
        bool offered;
    } cases[] = {
        {"1.1.0", "GL_ARB_multitexture GL_EXT_texture_edge_clamp", true}, {"1.1.0", "GL_SGIS_texture_edge_clamp", true},
        {"1.1.0", "GL_EXT_texture_edge_clamp_fast MY_GL_SGIS_texture_edge_clamp", false},  // whole names only
        {"1.1 Generic", "", false}, {"1.2.1", nullptr, true}, {"1.10", "", true}, {nullptr, nullptr, false},
        {"4.5 (Compatibility Profile) Mesa 22.3.6", nullptr, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OffersEdgeClamp(c.version, c.extensions), c.offered) << (c.version ? c.version : "no version");
}

TEST_F(TextureLoader, StripTilesCoverTheirOwnColumnsAndShareTheKey) {
    LoadTextureStrip(903, GLYPH_COUNT * 2, 3, 2, GLYPH_COUNT, ALPHA_COLOUR_KEY);
    for (int k : {0, 1, 47, 95}) {
        std::vector<uint8_t> texels = ReadTexture(textures.glyphs[k], 2, 3);
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(texels[(y * 2) * 4], k) << "tile " << k;
            EXPECT_EQ(texels[(y * 2 + 1) * 4], 255 - k) << "tile " << k;
            // Key: the strip's top-left pixel (red 0) -- only tile 0's left column vanishes.
            EXPECT_EQ(texels[(y * 2) * 4 + 3], k == 0 ? 0 : 255) << "tile " << k;
        }
    }
}

TEST_F(TextureLoader, MissingAndMalformedBitmapsLoadAsTransparent) {
    // Missing or malformed: a texture of the asked size, fully transparent (even when opaque), and no message.
    const uint8_t garbage[] = {40, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0};
    ASSERT_TRUE(SetTestBitmapResource(904, garbage, sizeof garbage));
    const int cases[][2] = {{103, ALPHA_OPAQUE}, {904, ALPHA_COLOUR_KEY}};
    for (const auto &[id, mode] : cases) {
        LoadTexture(id, 5, 16, 16, mode);
        EXPECT_EQ(ReadTexture(textures.slots[5], 16, 16), Bytes(16 * 16 * 4, 0)) << id;
    }
    EXPECT_EQ(FakeMessageLog().count, 0);
}

TEST_F(TextureLoader, ImpossibleTextureSizeReportsMemoryFailureAndQuits) {
    LoadTexture(106, 4, 100000, 100000, ALPHA_OPAQUE);
    EXPECT_EQ(textures.slots[4], 0u);  // no texture made
    EXPECT_EQ(FakeMessageLog().count, 1);
    EXPECT_STREQ(FakeMessageLog().lastText, "Error alocating texture memory!!");
    EXPECT_STREQ(FakeMessageLog().lastCaption, "Error");
    EXPECT_EQ(FakeMessageLog().lastIcon, MESSAGE_ICON_ERROR);
    EXPECT_EQ(FakeMessageLog().quitRequests, 1);

    // A slot number outside the table is ignored rather than written.
    LoadTexture(106, TEXTURE_SLOT_COUNT, 8, 8, ALPHA_OPAQUE);
    LoadTexture(106, -1, 8, 8, ALPHA_OPAQUE);
    EXPECT_EQ(FakeMessageLog().count, 1);
}

TEST_F(TextureLoader, ReleaseDeletesTheSlotTexturesAndNotTheGlyphs) {
    LoadTexture(107, 10, 8, 8, ALPHA_FROM_RED);
    LoadTexture(130, 16, 256, 64, ALPHA_FROM_RED);
    const uint32_t flame = textures.slots[10], bar = textures.slots[16];
    ASSERT_TRUE(glIsTexture(flame) && glIsTexture(bar));
    LoadFont();
    const uint32_t glyph = textures.glyphs[33];
    ReleaseTextures();
    EXPECT_FALSE(glIsTexture(flame) || glIsTexture(bar));
    EXPECT_TRUE(glIsTexture(glyph));  // glyphs are not slot textures
}
