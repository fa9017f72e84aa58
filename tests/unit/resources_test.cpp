// resources_test.cpp -- every bitmap the saver loads is in the resource script, embedded identically, and of its listed size and format
#include "assets/bitmap_decoder.h"
#include "assets/resource_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

enum Storage { RLE8, RLE4, PAL4, PAL8, RGB24 };

struct Expected {
    int id;
    int width;
    int height;
    Storage storage;
    int redPoints;  // pure red pixels of a point map, -1 for other pictures
};

// Texture slots, the font, the slide show's stills and point maps, the dialog.
const Expected kBitmaps[] = {
    //  id  width height storage  red points
    {101, 256,  32, RLE8,  -1},  // logo
    {102, 256, 128, RGB24, -1}, {109, 256, 128, RGB24, -1}, {114, 256, 128, RGB24, -1},  // colour atlases
    {111, 256, 128, RLE8,  -1}, {112, 256, 128, RLE8,  -1}, {115, 256, 128, RLE8,  -1},  // mask atlases
    {104,  16, 128, RLE8,  -1},  // barrel side
    {105,  64,  64, RLE8,  -1},  // barrel ends
    {106, 128, 128, RLE8,  -1},  // stone
    {107,   8,   8, RLE8,  -1},  // flame
    {108,  16, 128, RLE8,  -1},  // posts
    {110, 128, 128, RLE8,  -1},  // cage
    {128,  64, 128, RLE8,  -1}, {127,  64, 128, RLE8,  -1}, {129,  64, 128, RLE8,  -1},  // portraits
    {130, 256,  64, RLE8,  -1},  // highlight bar
    {131, 256, 512, RLE8,  -1}, {159, 256, 512, RLE8,  -1}, {160, 256, 512, RLE8,  -1},  // intro crawls
    {113, 1536, 16, RLE8,  -1},  // font strip
    {121, 256,  32, RLE8,  -1}, {122, 256,  32, RLE4, 150},  // slides 0..17: still, point map
    {123, 128, 128, RLE8,  -1}, {124, 128, 128, RLE4, 110},
    {116, 128, 256, RLE8,  -1}, {117, 128, 256, PAL4, 111},
    {137, 256, 256, RLE8,  -1}, {138, 256, 256, RLE4, 139},
    {141, 256, 256, RLE8,  -1}, {142, 256, 256, RLE4, 138},
    {143, 128, 256, RLE8,  -1}, {144, 128, 256, RLE4,  81},
    {125, 256, 256, RLE8,  -1}, {126, 256, 256, RLE4, 132},
    {145, 128, 256, RLE8,  -1}, {146, 128, 256, RLE4,  87},
    {147, 256, 256, RLE8,  -1}, {148, 256, 256, RLE4,  91},
    {118, 128, 256, RLE8,  -1}, {119, 128, 256, RLE4, 126},
    {155, 256, 128, RLE8,  -1}, {156, 256, 128, RLE4,  73},
    {157, 128, 256, RLE8,  -1}, {158, 128, 256, RLE4,  75},
    {134, 128, 256, RLE8,  -1}, {133, 128, 256, RLE4, 132},
    {135, 128, 256, RLE8,  -1}, {136, 128, 256, RLE4, 123},
    {149, 256, 128, RLE8,  -1}, {150, 256, 128, RLE4,  39},
    {139, 256, 256, RLE8,  -1}, {140, 256, 256, RLE4,  90},
    {151, 128, 256, RLE8,  -1}, {152, 128, 256, RLE4, 121},
    {153, 128, 256, RLE8,  -1}, {154, 128, 256, RLE4,  71},
    {163, 217, 175, PAL8,  -1}, {164, 216,  26, PAL8,  -1},  // dialog pictures
};

std::string SourceRoot() {
    std::string file = __FILE__;
    return file.substr(0, file.rfind("/tests/unit/"));
}

std::vector<uint8_t> ReadWhole(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// id -> file name, from lines `ID BITMAP "file"` of resources/bitmaps.rc.
std::map<int, std::string> ScriptBitmaps() {
    std::map<int, std::string> ids;
    std::ifstream in(SourceRoot() + "/resources/bitmaps.rc");
    int id = 0;
    char name[256];
    for (std::string line; std::getline(in, line);)
        if (std::sscanf(line.c_str(), "%d BITMAP \"%255[^\"]\"", &id, name) == 2) ids[id] = name;
    return ids;
}

}  // namespace

TEST(Resources, EveryBitmapIsInTheScriptEmbeddedAsItsFileAndOfItsSizeAndFormat) {
    std::map<int, std::string> script = ScriptBitmaps();
    EXPECT_EQ(script.size(), sizeof kBitmaps / sizeof kBitmaps[0]);
    EXPECT_EQ(FindBitmapResource(103).data, nullptr);  // ids between are really absent
    const int bits[] = {8, 4, 4, 8, 24};
    const uint32_t compression[] = {BITMAP_BI_RLE8, BITMAP_BI_RLE4, BITMAP_BI_RGB, BITMAP_BI_RGB, BITMAP_BI_RGB};
    for (const Expected &e : kBitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(e.id));
        ASSERT_EQ(script.count(e.id), 1u) << "missing from bitmaps.rc";
        // The resource compiler stores the file minus its 14-byte header; the
        // native table must hand out exactly those bytes.
        std::vector<uint8_t> file = ReadWhole(SourceRoot() + "/resources/" + script[e.id]);
        ResourceBytes bytes = FindBitmapResource(e.id);
        ASSERT_TRUE(file.size() > 14 && bytes.data != nullptr);
        ASSERT_EQ(std::vector<uint8_t>(bytes.data, bytes.data + bytes.size),
                  std::vector<uint8_t>(file.begin() + 14, file.end()));

        BitmapInfo info;
        ASSERT_EQ(ReadBitmapInfo(bytes.data, bytes.size, &info), BITMAP_OK);
        EXPECT_EQ(info.width, e.width);
        EXPECT_EQ(info.height, e.height);
        EXPECT_FALSE(info.topDown);
        EXPECT_EQ(info.bitsPerPixel, bits[e.storage]);
        EXPECT_EQ(info.compression, compression[e.storage]);

        int width = 0, height = 0, red = 0;
        BitmapStatus status;
        uint8_t *rgb = DecodeBitmapResource(e.id, &width, &height, &status);
        ASSERT_NE(rgb, nullptr) << BitmapStatusText(status);
        for (int i = 0; i < width * height; ++i) red += rgb[3 * i] == 255 && rgb[3 * i + 1] == 0 && rgb[3 * i + 2] == 0;
        EXPECT_TRUE(e.redPoints < 0 || red == e.redPoints) << red << " red points, not " << e.redPoints;
        std::free(rgb);
    }
}

TEST(Resources, FontCellsOfUndrawnCharactersAreBlackAndTheOthersAreNot) {
    int width = 0, height = 0;
    BitmapStatus status;
    uint8_t *rgb = DecodeBitmapResource(113, &width, &height, &status);
    ASSERT_NE(rgb, nullptr);
    const int blank[] = {32, 43, 47, 60, 61, 62, 64, 91, 92, 93, 94, 95, 96, 123, 124, 125, 126, 127};
    for (int code = 32; code < 128; ++code) {
        int lit = 0;
        bool grey = true;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const uint8_t *p = rgb + (y * width + (code - 32) * 16 + x) * 3;
                lit += p[0] > 0;
                grey = grey && p[0] == p[1] && p[1] == p[2];
            }
        bool shouldBeBlank = std::find(std::begin(blank), std::end(blank), code) != std::end(blank);
        EXPECT_EQ(lit == 0, shouldBeBlank) << "code " << code;
        EXPECT_TRUE(grey) << "code " << code;
    }
    std::free(rgb);
}
