// resources_test.cpp -- every bitmap of the resource script is embedded identically, and the ones the game's tables name decode at the size they expect
#include "assets/bitmap_decoder.h"
#include "assets/resource_bytes.h"
#include "render/scene_setup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Decodes bitmap id; expects the given size when one is given.
void ExpectDecodes(int id, int width = 0, int height = 0) {
    int w = 0, h = 0;
    BitmapStatus status;
    uint8_t *rgb = DecodeBitmapResource(id, &w, &h, &status);
    EXPECT_NE(rgb, nullptr) << id << ": " << BitmapStatusText(status);
    EXPECT_TRUE(width == 0 || (w == width && h == height)) << id << " is " << w << "x" << h;
    std::free(rgb);
}

}  // namespace

TEST(Resources, EveryBitmapOfTheScriptIsEmbeddedAsItsFileAndTheTablesFindTheirSizes) {
    // Lines `ID BITMAP "file"` of resources/bitmaps.rc; the resource compiler stores the
    // file minus its 14-byte header, and the native table must hand out exactly those bytes.
    const std::string source = __FILE__, resources = source.substr(0, source.rfind("/tests/unit/")) + "/resources/";
    std::ifstream script(resources + "bitmaps.rc");
    int count = 0, id = 0;
    char name[256];
    for (std::string line; std::getline(script, line);) {
        if (std::sscanf(line.c_str(), "%d BITMAP \"%255[^\"]\"", &id, name) != 2) continue;
        ++count;
        std::ifstream in(resources + name, std::ios::binary);
        const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const ResourceBytes bytes = FindBitmapResource(id);
        ASSERT_TRUE(file.size() > 14 && bytes.data != nullptr) << id;
        EXPECT_EQ(std::vector<uint8_t>(bytes.data, bytes.data + bytes.size),
                  std::vector<uint8_t>(file.begin() + 14, file.end())) << id;
        ExpectDecodes(id);
    }
    EXPECT_GT(count, 0) << "resources/bitmaps.rc read";
    EXPECT_EQ(FindBitmapResource(103).data, nullptr);  // ids between are really absent
    for (const TextureSlotEntry &entry : textureTable) ExpectDecodes(entry.bitmapId, entry.width, entry.height);
    // The stills and point maps are held to their rows' sizes in art_test, the font strip below.
}

TEST(Resources, FontCellsOfUndrawnCharactersAreBlackAndTheOthersAreNot) {
    int width = 0, height = 0;
    BitmapStatus status;
    uint8_t *rgb = DecodeBitmapResource(113, &width, &height, &status);
    ASSERT_TRUE(rgb != nullptr && width == 1536 && height == 16) << width << "x" << height;
    const std::string blank = " +/<=>@[\\]^_`{|}~\x7f";  // the cells without a glyph
    for (int code = 32; code < 128; ++code) {
        int lit = 0;
        bool grey = true;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const uint8_t *p = rgb + (y * width + (code - 32) * 16 + x) * 3;
                lit += p[0] > 0;
                grey = grey && p[0] == p[1] && p[1] == p[2];
            }
        EXPECT_EQ(lit == 0, blank.find(static_cast<char>(code)) != std::string::npos) << "code " << code;
        EXPECT_TRUE(grey) << "code " << code;
    }
    std::free(rgb);
}
