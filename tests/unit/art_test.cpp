// art_test.cpp -- the committed pictures as the game reads them: atlases fit the character tables, stills and point maps agree, texts are grey
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/bitmap_decoder.h"
#include "assets/resource_bytes.h"
#include "game/character.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    bool Loaded() const { return width > 0; }
    const uint8_t *At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
    bool Is(int x, int y, uint8_t r, uint8_t g, uint8_t b) const {
        const uint8_t *p = At(x, y);
        return p[0] == r && p[1] == g && p[2] == b;
    }
    bool Black(int x, int y) const { return Is(x, y, 0, 0, 0); }
    bool White(int x, int y) const { return Is(x, y, 255, 255, 255); }
    bool SameAs(int x, int y, const uint8_t *c) const { return Is(x, y, c[0], c[1], c[2]); }
};

Picture Load(int id) {
    Picture p;
    BitmapStatus status = BITMAP_OK;
    uint8_t *data = DecodeBitmapResource(id, &p.width, &p.height, &status);
    if (!data) {
        ADD_FAILURE() << "bitmap " << id << ": " << BitmapStatusText(status);
        p.width = p.height = 0;
        return p;
    }
    p.rgb.assign(data, data + static_cast<size_t>(p.width) * p.height * 3);
    std::free(data);
    return p;
}

BitmapInfo Info(int id) {
    BitmapInfo info = {};
    ResourceBytes bytes = FindBitmapResource(id);
    EXPECT_NE(bytes.data, nullptr) << "bitmap " << id;
    if (bytes.data) {
        EXPECT_EQ(ReadBitmapInfo(bytes.data, bytes.size, &info), BITMAP_OK) << "bitmap " << id;
    }
    return info;
}

// One row of a character's part geometry, in atlas pixels.
struct PartRect {
    int part;
    int u, v, w, h;
    float ax, ay, px, py;
    int parent;  // 0 when the part hangs from the body
};

struct Character {
    const char *name;
    int colourId;
    int maskId;
    PartRect parts[10];
};

// The three characters' part rectangles, anchors and pivots (parts 1 to 10).
const Character CHARACTERS[] = {
    {"general", 102, 111, {
        //part   u    v   w   h     ax    ay     px     py  parent
        {1,      0,   0, 51, 81, 25.5f, 40.5f,  0.0f,  0.0f, 0},
        {2,     58,   0, 39, 48, 23.0f, 43.0f, -2.0f, 39.0f, 1},
        {3,     42, 102, 28, 25,  8.0f, 13.0f, 20.5f, 21.5f, 1},
        {4,    146,   0, 27, 66, 15.0f,  3.0f,  9.0f, -9.0f, 3},
        {5,      0,  95, 33, 32, 22.0f, 15.0f, -21.5f, 18.5f, 1},
        {6,    107,   0, 30, 64, 14.0f,  3.0f, -11.0f, -13.0f, 5},
        {7,    120, 103, 22, 24,  5.0f,  4.0f,  5.0f, -19.0f, 1},
        {8,     85,  94, 27, 33,  6.0f,  3.0f,  9.0f, -13.0f, 7},
        {9,    120, 103, 22, 24,  5.0f,  4.0f, -19.0f, -21.0f, 1},
        {10,    85,  94, 27, 33,  6.0f,  3.0f,  9.0f, -13.0f, 9},
    }},
    {"captain", 109, 112, {
        {1,      0,   0, 40, 65, 20.0f, 32.5f,  0.0f,  0.0f, 0},
        {2,     52,   0, 22, 25, 10.0f, 21.0f,  3.0f, 31.0f, 1},
        {3,     28,  98, 15, 29,  7.0f,  5.0f, 16.0f, 18.5f, 1},
        {4,    123,   0, 21, 26,  4.0f,  3.0f,  0.0f, -23.0f, 3},
        {5,      0,  98, 20, 29, 10.0f,  5.0f, -14.0f, 14.5f, 1},
        {6,     85,   0, 31, 25,  5.0f,  2.0f, -4.0f, -20.0f, 5},
        {7,     58, 105, 19, 22,  9.0f,  4.0f,  6.0f, -27.0f, 1},
        {8,     91,  94, 25, 33, 11.0f,  4.0f,  1.0f, -15.0f, 7},
        {9,     58, 105, 19, 22,  9.0f,  4.0f,  0.0f, -29.0f, 1},
        {10,    91,  94, 25, 33, 11.0f,  4.0f,  1.0f, -15.0f, 9},
    }},
    {"heroine", 114, 115, {
        {1,      0,   0, 34, 56, 17.0f, 28.0f,  0.0f,  0.0f, 0},
        {2,     45,   0, 33, 35, 18.0f, 24.0f, -1.0f, 28.0f, 1},
        {3,     21, 111,  8, 16,  3.0f,  4.0f,  4.0f, 22.0f, 1},
        {4,    117,   0, 10, 24,  3.0f,  3.0f,  4.0f, -13.0f, 3},
        {5,      0, 113, 12, 14,  8.0f,  4.0f, -11.0f, 18.0f, 1},
        {6,     92,   0,  9, 28,  6.0f,  1.0f, -6.0f, -8.0f, 5},
        {7,     49, 103, 11, 24,  5.0f,  3.0f,  1.0f, -18.0f, 1},
        {8,    111, 100, 18, 27,  6.0f,  3.0f,  1.0f, -15.0f, 7},
        {9,     49, 103, 11, 24,  5.0f,  3.0f, -6.0f, -19.0f, 1},
        {10,    79, 100, 18, 27,  6.0f,  3.0f,  1.0f, -18.0f, 9},
    }},
};

bool InsideAnyPart(const Character &c, int x, int y) {
    for (const PartRect &p : c.parts)
        if (x >= p.u && x < p.u + p.w && y >= p.v && y < p.v + p.h) return true;
    return false;
}

class AtlasTest : public ::testing::TestWithParam<int> {};

TEST_P(AtlasTest, ColourAndMaskShareOneSilhouetteInsideThePartRectangles) {
    const Character &c = CHARACTERS[GetParam()];
    BitmapInfo colourInfo = Info(c.colourId);
    EXPECT_EQ(colourInfo.bitsPerPixel, 24) << c.name;
    EXPECT_EQ(colourInfo.compression, BITMAP_BI_RGB) << c.name;
    Picture colour = Load(c.colourId);
    Picture mask = Load(c.maskId);
    ASSERT_TRUE(colour.Loaded() && mask.Loaded());
    ASSERT_EQ(colour.width, 256);
    ASSERT_EQ(colour.height, 128);
    ASSERT_EQ(mask.width, 256);
    ASSERT_EQ(mask.height, 128);
    // The colour key is the top-left pixel: it must be the empty black.
    EXPECT_TRUE(colour.Black(0, 0)) << c.name;

    int disagreements = 0, strayOutside = 0, greyMask = 0;
    for (int y = 0; y < 128; y++) {
        for (int x = 0; x < 256; x++) {
            bool maskOpaque = mask.Black(x, y);
            if (!maskOpaque && !mask.White(x, y)) greyMask++;
            if (maskOpaque == colour.Black(x, y)) disagreements++;
            if (!InsideAnyPart(c, x, y) && (!colour.Black(x, y) || !mask.White(x, y))) strayOutside++;
        }
    }
    EXPECT_EQ(greyMask, 0) << c.name << ": mask pixels neither black nor white";
    EXPECT_EQ(disagreements, 0) << c.name << ": mask and colour atlas disagree";
    EXPECT_EQ(strayOutside, 0) << c.name << ": figure pixels outside every part rectangle";
}

TEST_P(AtlasTest, EveryPartIsDrawnAndSolidAroundItsJoint) {
    const Character &c = CHARACTERS[GetParam()];
    Picture mask = Load(c.maskId);
    ASSERT_TRUE(mask.Loaded());
    for (const PartRect &p : c.parts) {
        int opaque = 0;
        for (int y = p.v; y < p.v + p.h; y++)
            for (int x = p.u; x < p.u + p.w; x++) opaque += mask.Black(x, y);
        EXPECT_GT(opaque, p.w * p.h / 5) << c.name << " part " << p.part << " is nearly empty";
        // A rounded joint: the pixels around the anchor are all solid, so a
        // turned part never opens a gap at its pivot.
        int ax = p.u + static_cast<int>(p.ax), ay = p.v + static_cast<int>(p.ay);
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                int x = ax + dx, y = ay + dy;
                if (x < p.u || y < p.v || x >= p.u + p.w || y >= p.v + p.h) continue;
                EXPECT_TRUE(mask.Black(x, y)) << c.name << " part " << p.part << " not solid at its anchor";
            }
    }
}

TEST_P(AtlasTest, ChildJointsSitOnTheirParents) {
    // Where a limb hangs from its parent, the parent's drawing reaches the
    // pivot (within two pixels) or the pivot lies beyond the parent's
    // rectangle and the child's own rounded end covers it.
    const Character &c = CHARACTERS[GetParam()];
    Picture mask = Load(c.maskId);
    ASSERT_TRUE(mask.Loaded());
    for (const PartRect &child : c.parts) {
        if (child.part == 1) continue;
        const PartRect &parent = c.parts[(child.parent ? child.parent : 1) - 1];
        int x = parent.u + static_cast<int>(parent.ax + child.px);
        int y = parent.v + static_cast<int>(parent.ay - child.py);
        if (x < parent.u || y < parent.v || x >= parent.u + parent.w || y >= parent.v + parent.h) continue;
        bool near = false;
        for (int dy = -2; dy <= 2 && !near; dy++)
            for (int dx = -2; dx <= 2 && !near; dx++) {
                int xx = x + dx, yy = y + dy;
                if (xx >= parent.u && yy >= parent.v && xx < parent.u + parent.w && yy < parent.v + parent.h)
                    near = mask.Black(xx, yy);
            }
        EXPECT_TRUE(near) << c.name << ": part " << child.part << " hangs in the air beside part " << parent.part;
    }
}

TEST_P(AtlasTest, RectanglesAreTheOnesTheGameDrawsWith) {
    // The game's records, built from its own tables, must cut the atlas where
    // the pictures were drawn: corner 0 of each quad is the rectangle's top
    // left in texture space and the anchor's negative in model space.
    const CharacterRecord saved[] = {characterA, characterB, characterC};
    ConstructCharacters();
    const CharacterRecord built[] = {characterA, characterB, characterC};
    characterA = saved[0], characterB = saved[1], characterC = saved[2];
    const CharacterRecord &r = built[GetParam()];
    const Character &c = CHARACTERS[GetParam()];
    for (const PartRect &p : c.parts) {
        EXPECT_NEAR(r.texCoord[p.part][0].x * 255.0f, p.u, 0.01f) << c.name << " part " << p.part;
        EXPECT_NEAR(r.texCoord[p.part][0].y * 127.0f, p.v, 0.01f) << c.name << " part " << p.part;
        EXPECT_NEAR(r.texCoord[p.part][3].x * 255.0f, p.u + p.w, 0.01f) << c.name << " part " << p.part;
        EXPECT_NEAR(r.texCoord[p.part][3].y * 127.0f, p.v + p.h, 0.01f) << c.name << " part " << p.part;
        EXPECT_FLOAT_EQ(r.vertex[p.part][0].x, -p.ax) << c.name << " part " << p.part;
        EXPECT_FLOAT_EQ(r.vertex[p.part][0].y, p.ay) << c.name << " part " << p.part;
        if (p.part != 1) {
            EXPECT_FLOAT_EQ(r.pivot[p.part].x, p.px) << c.name << " part " << p.part;
            EXPECT_FLOAT_EQ(r.pivot[p.part].y, p.py) << c.name << " part " << p.part;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Characters, AtlasTest, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(CHARACTERS[info.param].name);
                         });

// Colour-key pictures: the key in the top-left pixel, a subject that is neither empty nor the whole frame.
void ExpectKeyedSubject(int id, int width, int height, double minShare, double maxShare) {
    Picture p = Load(id);
    ASSERT_TRUE(p.Loaded());
    ASSERT_EQ(p.width, width) << id;
    ASSERT_EQ(p.height, height) << id;
    BitmapInfo info = Info(id);
    EXPECT_EQ(info.bitsPerPixel, 8) << id;
    const uint8_t *key = p.At(0, 0);
    int subject = 0;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) subject += !p.SameAs(x, y, key);
    double share = static_cast<double>(subject) / (width * height);
    EXPECT_GT(share, minShare) << "bitmap " << id << " shows too little";
    EXPECT_LT(share, maxShare) << "bitmap " << id << " leaves no background";
}

TEST(PortraitArt, EachCharacterStandsOnTheKeyColour) {
    for (int id : {127, 128, 129}) ExpectKeyedSubject(id, 64, 128, 0.15, 0.8);
}

struct Still {
    int colourId, pointsId, sparks, width, height;
};

// The slide show's stills and how many sparks each point map places.
const Still STILLS[] = {
    //colour points sparks width height
    {121,    122,   150,   256,   32},
    {123,    124,   110,   128,  128},
    {116,    117,   111,   128,  256},
    {137,    138,   139,   256,  256},
    {141,    142,   138,   256,  256},
    {143,    144,    81,   128,  256},
    {125,    126,   132,   256,  256},
    {145,    146,    87,   128,  256},
    {147,    148,    91,   256,  256},
    {118,    119,   126,   128,  256},
    {155,    156,    73,   256,  128},
    {157,    158,    75,   128,  256},
    {134,    133,   132,   128,  256},
    {135,    136,   123,   128,  256},
    {149,    150,    39,   256,  128},
    {139,    140,    90,   256,  256},
    {151,    152,   121,   128,  256},
    {153,    154,    71,   128,  256},
};

class StillTest : public ::testing::TestWithParam<Still> {};

TEST_P(StillTest, SparksLandOnTheSubject) {
    const Still &s = GetParam();
    ExpectKeyedSubject(s.colourId, s.width, s.height, 0.03, 0.9);
    Picture still = Load(s.colourId);
    Picture points = Load(s.pointsId);
    ASSERT_TRUE(still.Loaded() && points.Loaded());
    ASSERT_EQ(points.width, s.width);
    ASSERT_EQ(points.height, s.height);
    BitmapInfo info = Info(s.pointsId);
    EXPECT_EQ(info.bitsPerPixel, 4) << s.pointsId;
    const uint8_t *key = still.At(0, 0);
    int red = 0, offSubject = 0;
    for (int y = 0; y < s.height; y++)
        for (int x = 0; x < s.width; x++) {
            if (!points.Is(x, y, 255, 0, 0)) continue;
            red++;
            if (still.SameAs(x, y, key)) offSubject++;
        }
    EXPECT_EQ(red, s.sparks) << "point map " << s.pointsId;
    EXPECT_EQ(offSubject, 0) << "point map " << s.pointsId << " places sparks where still " << s.colourId
                             << " is transparent";
}

INSTANTIATE_TEST_SUITE_P(SlideShow, StillTest, ::testing::ValuesIn(STILLS),
                         [](const ::testing::TestParamInfo<Still> &info) {
                             return "Still" + std::to_string(info.param.colourId);
                         });

// Alpha-from-red pictures: every pixel grey, the frame black, and the texts in readable lines.
void ExpectGreyOnBlack(const Picture &p, int id) {
    int coloured = 0;
    for (int y = 0; y < p.height; y++)
        for (int x = 0; x < p.width; x++) {
            const uint8_t *c = p.At(x, y);
            coloured += c[0] != c[1] || c[1] != c[2];
        }
    EXPECT_EQ(coloured, 0) << "bitmap " << id << " has coloured pixels";
    EXPECT_TRUE(p.Black(0, 0)) << id;
}

TEST(CrawlArt, StoriesAreGreyCentredLinesOfLegibleSize) {
    for (int id : {131, 159, 160}) {
        Picture p = Load(id);
        ASSERT_TRUE(p.Loaded());
        ASSERT_EQ(p.width, 256);
        ASSERT_EQ(p.height, 512);
        ExpectGreyOnBlack(p, id);
        // Lines of text are bands of rows holding bright pixels.
        int lines = 0, run = 0, shortest = 1000, tallest = 0;
        double balance = 0;
        for (int y = 0; y <= 512; y++) {
            int left = 256, right = -1;
            for (int x = 0; y < 512 && x < 256; x++)
                if (p.At(x, y)[0] > 128) {
                    if (x < left) left = x;
                    right = x;
                }
            if (right >= 0) {
                run++;
                balance += (left + right) / 2.0 - 127.5;
            } else if (run > 0) {
                lines++;
                if (run < shortest) shortest = run;
                if (run > tallest) tallest = run;
                run = 0;
            }
        }
        EXPECT_GE(lines, 12) << id;
        EXPECT_LE(lines, 20) << id;
        EXPECT_GE(shortest, 12) << id << ": letters too small to read as the plane tilts away";
        EXPECT_LE(tallest, 26) << id;
        EXPECT_LT(std::abs(balance) / 512, 4.0) << id << ": lines are not centred";
    }
}

TEST(FontArt, GlyphStripIsGrey) {
    Picture p = Load(113);
    ASSERT_TRUE(p.Loaded());
    EXPECT_EQ(p.width, 1536);
    EXPECT_EQ(p.height, 16);
    ExpectGreyOnBlack(p, 113);
}

TEST(DialogArt, PicturesAreUncompressedEightBitOfTheDialogsSize) {
    struct { int id, width, height; } pictures[] = {{163, 217, 175}, {164, 216, 26}};
    for (auto &d : pictures) {
        BitmapInfo info = Info(d.id);
        EXPECT_EQ(info.width, d.width) << d.id;
        EXPECT_EQ(info.height, d.height) << d.id;
        EXPECT_EQ(info.bitsPerPixel, 8) << d.id;
        EXPECT_EQ(info.compression, BITMAP_BI_RGB) << d.id;
        Picture p = Load(d.id);
        ASSERT_TRUE(p.Loaded());
        // A finished picture, not a flat fill: it uses many colours.
        std::vector<bool> seen(1 << 15);
        int distinct = 0;
        for (size_t i = 0; i + 2 < p.rgb.size(); i += 3) {
            int k = (p.rgb[i] >> 3) << 10 | (p.rgb[i + 1] >> 3) << 5 | (p.rgb[i + 2] >> 3);
            if (!seen[k]) seen[k] = true, distinct++;
        }
        EXPECT_GT(distinct, 24) << d.id;
    }
}

TEST(IconArt, IconHoldsSixteenThirtyTwoAndFortyEightPixelImages) {
    std::string file = __FILE__;
    std::string path = file.substr(0, file.rfind("/tests/unit/")) + "/resources/icon100.ico";
    FILE *f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr) << path;
    std::vector<uint8_t> bytes;
    int ch;
    while ((ch = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(ch));
    std::fclose(f);
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(bytes[2], 1);  // an icon, not a cursor
    int count = bytes[4] | bytes[5] << 8;
    ASSERT_GE(bytes.size(), 6u + 16u * count);
    std::vector<int> sizes;
    for (int i = 0; i < count; i++) sizes.push_back(bytes[6 + 16 * i]);
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
}

}  // namespace
