// art_test.cpp -- the committed pictures as the game reads them: atlases fit the character tables, portraits their rows, stills their captions and point maps, keys are dark, stories grey
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/bitmap_decoder.h"
#include "assets/slide_show.h"
#include "game/character.h"
#include "game/character_tables.h"

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;

    const uint8_t *At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
    bool Is(int x, int y, const uint8_t *c) const {
        const uint8_t *p = At(x, y);
        return p[0] == c[0] && p[1] == c[1] && p[2] == c[2];
    }
    bool Black(int x, int y) const { return Is(x, y, kBlack); }
    bool White(int x, int y) const { return Is(x, y, kWhite); }
    static constexpr uint8_t kBlack[3] = {0, 0, 0}, kWhite[3] = {255, 255, 255};
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

// One row of a character's part geometry, in atlas pixels.
struct PartRect {
    int part;
    int u, v, w, h;
    float ax, ay, px, py;
    int parent;  // 0 when the part hangs from the body
    bool Holds(int x, int y) const { return x >= u && x < u + w && y >= v && y < v + h; }
};

struct Character {
    const char *name;
    int colourId, maskId;
    PartRect parts[10];
};

// The parts of one character as the game's own tables give them: the
// forearms and shins hang from the part before them, everything else from the body.
Character FromTables(const char *name, int colourId, int maskId, const CharacterDefinition &definition) {
    Character c{name, colourId, maskId, {}};
    for (int part = 1; part < CHARACTER_PARTS; part++) {
        const PartGeometry &g = definition.geometry[part];
        const int parent = part == 1 ? 0 : (part % 2 == 0 && part >= 4) ? part - 1 : 1;
        c.parts[part - 1] = PartRect{part, int(g.u), int(g.v), int(g.w), int(g.h), g.ax, g.ay, g.px, g.py, parent};
    }
    return c;
}

const Character CHARACTERS[] = {
    FromTables("general", 102, 111, CHARACTER_A_DEFINITION),
    FromTables("captain", 109, 112, CHARACTER_B_DEFINITION),
    FromTables("heroine", 114, 115, CHARACTER_C_DEFINITION),
};

class AtlasTest : public ::testing::TestWithParam<int> {};

// The sizes the game expects of every picture are checked in resources_test.
TEST_P(AtlasTest, ColourAndMaskShareOneSilhouetteAndEveryPartIsJoined) {
    const Character &c = CHARACTERS[GetParam()];
    Picture colour = Load(c.colourId), mask = Load(c.maskId);
    ASSERT_TRUE(colour.width == 256 && colour.height == 128 && mask.width == 256 && mask.height == 128);
    EXPECT_TRUE(colour.Black(0, 0)) << c.name << ": the colour key must be the empty black";

    int disagreements = 0, strayOutside = 0, greyMask = 0;
    for (int y = 0; y < 128; y++)
        for (int x = 0; x < 256; x++) {
            bool opaque = mask.Black(x, y), inside = false;
            for (const PartRect &p : c.parts) inside = inside || p.Holds(x, y);
            greyMask += !opaque && !mask.White(x, y);
            disagreements += opaque == colour.Black(x, y);
            strayOutside += !inside && (!colour.Black(x, y) || !mask.White(x, y));
        }
    EXPECT_EQ(greyMask, 0) << c.name << ": mask pixels neither black nor white";
    EXPECT_EQ(disagreements, 0) << c.name << ": mask and colour atlas disagree";
    EXPECT_EQ(strayOutside, 0) << c.name << ": figure pixels outside every part rectangle";

    // Solid within `reach` of (x, y), looking only inside part p.
    auto solidNear = [&mask](const PartRect &p, int x, int y, int reach, bool all) {
        for (int dy = -reach; dy <= reach; dy++)
            for (int dx = -reach; dx <= reach; dx++)
                if (p.Holds(x + dx, y + dy) && mask.Black(x + dx, y + dy) != all) return !all;
        return all;
    };
    for (const PartRect &p : c.parts) {
        int opaque = 0;
        for (int y = p.v; y < p.v + p.h; y++)
            for (int x = p.u; x < p.u + p.w; x++) opaque += mask.Black(x, y);
        EXPECT_GT(opaque, p.w * p.h / 5) << c.name << " part " << p.part << " is nearly empty";
        // A rounded joint, so a turned part never opens a gap at its pivot.
        EXPECT_TRUE(solidNear(p, p.u + int(p.ax), p.v + int(p.ay), 1, true))
            << c.name << " part " << p.part << " not solid at its anchor";
        if (p.part == 1) continue;
        // The parent's drawing reaches the pivot (within two pixels), unless the
        // pivot lies beyond the parent's rectangle and the child's end covers it.
        const PartRect &parent = c.parts[(p.parent ? p.parent : 1) - 1];
        int x = parent.u + int(parent.ax + p.px), y = parent.v + int(parent.ay - p.py);
        EXPECT_TRUE(!parent.Holds(x, y) || solidNear(parent, x, y, 2, false))
            << c.name << ": part " << p.part << " hangs in the air beside part " << parent.part;
    }
}

TEST_P(AtlasTest, RectanglesAreTheOnesTheGameDrawsWith) {
    // Corner 0 of each quad is the rectangle's top left in texture space and
    // the anchor's negative in model space; corner 3 the bottom right.
    const CharacterRecord saved[] = {characterA, characterB, characterC};
    ConstructCharacters();
    const CharacterRecord built[] = {characterA, characterB, characterC};
    characterA = saved[0], characterB = saved[1], characterC = saved[2];
    const CharacterRecord &r = built[GetParam()];
    const Character &c = CHARACTERS[GetParam()];
    for (const PartRect &p : c.parts) {
        SCOPED_TRACE(std::string(c.name) + " part " + std::to_string(p.part));
        EXPECT_NEAR(r.texCoord[p.part][0].x * 255.0f, p.u, 0.01f);
        EXPECT_NEAR(r.texCoord[p.part][0].y * 127.0f, p.v, 0.01f);
        EXPECT_NEAR(r.texCoord[p.part][3].x * 255.0f, p.u + p.w, 0.01f);
        EXPECT_NEAR(r.texCoord[p.part][3].y * 127.0f, p.v + p.h, 0.01f);
        EXPECT_FLOAT_EQ(r.vertex[p.part][0].x, -p.ax);
        EXPECT_FLOAT_EQ(r.vertex[p.part][0].y, p.ay);
        if (p.part != 1) {
            EXPECT_FLOAT_EQ(r.pivot[p.part].x, p.px);
            EXPECT_FLOAT_EQ(r.pivot[p.part].y, p.py);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Characters, AtlasTest, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(CHARACTERS[info.param].name);
                         });

// Subject pixels (not the key colour) inside columns [x0, x1) and rows [y0, y1), clipped to the picture.
int SubjectIn(const Picture &p, int x0, int y0, int x1, int y1) {
    int subject = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, p.height); y++)
        for (int x = std::max(x0, 0); x < std::min(x1, p.width); x++) subject += !p.Is(x, y, p.At(0, 0));
    return subject;
}

double SubjectShare(const Picture &p) {
    return static_cast<double>(SubjectIn(p, 0, 0, p.width, p.height)) / (p.width * p.height);
}

TEST(PortraitArt, EachFigureStandsCentredInTheRowsOfOneSelectRow) {
    // Drawn 160 px tall on a 120 px row pitch: only the middle 96 of 128 rows
    // stay clear of the neighbours above and below.
    for (int id : {127, 128, 129}) {
        Picture p = Load(id);
        ASSERT_TRUE(p.width == 64 && p.height == 128) << id;
        EXPECT_EQ(SubjectIn(p, 0, 0, 64, 16) + SubjectIn(p, 0, 112, 64, 128), 0) << "bitmap " << id;
        int top = 128, bottom = 0;
        for (int y = 0; y < 128; y++)
            if (SubjectIn(p, 0, y, 64, y + 1)) top = std::min(top, y), bottom = y;
        EXPECT_GT(bottom - top, 80) << "bitmap " << id << ": the figure does not fill its row";
        EXPECT_LE(std::abs(top + bottom - 127), 4) << "bitmap " << id << ": not centred on the highlight bar";
    }
}

TEST(KeyColourArt, KeysAreDarkGreysSoFilteredEdgesReadAsOutline) {
    std::vector<int> keyed = {101, 102, 109, 110, 114, 127, 128, 129};
    for (const SlideRow &row : slideTable) keyed.push_back(int(row.colourBitmap & 0xFFFF));
    for (int id : keyed) {
        Picture p = Load(id);
        ASSERT_GT(p.width, 0);
        const uint8_t *k = p.At(0, 0);
        const int high = std::max({k[0], k[1], k[2]}), low = std::min({k[0], k[1], k[2]});
        EXPECT_TRUE(high <= 48 && high - low <= 24) << "bitmap " << id << " is keyed on a bright or saturated colour";
    }
}

TEST(SlideShowArt, StillsShowASubjectClearOfTheCaptionAndSparksLandOnIt) {
    const uint8_t red[3] = {255, 0, 0};
    for (const SlideRow &row : slideTable) {
        const int id = int(row.colourBitmap & 0xFFFF), mapId = int(row.pointMapBitmap & 0xFFFF);
        Picture still = Load(id), points = Load(mapId);
        ASSERT_TRUE(still.width == row.width && still.height == row.height && points.width == still.width &&
                    points.height == still.height)
            << id;
        EXPECT_GT(SubjectShare(still), 0.03) << "still " << id << " shows too little";
        EXPECT_LT(SubjectShare(still), 0.9) << "still " << id << " leaves no background";
        int red_ = 0, offSubject = 0;
        for (int y = 0; y < still.height; y++)
            for (int x = 0; x < still.width; x++)
                if (points.Is(x, y, red)) red_++, offSubject += still.Is(x, y, still.At(0, 0));
        EXPECT_GT(red_, 0) << "point map " << mapId;
        EXPECT_EQ(offSubject, 0) << "point map " << mapId << " places sparks where still " << id << " is transparent";
        // The caption's letters are one backdrop unit (ten still pixels) square,
        // the first centred on the caption's place; y runs up from the still's centre.
        const int letters = std::min(int(std::strlen(row.caption)), FLYING_TEXT_LETTERS);
        const int left = int(std::lround((row.captionX - 0.5f) * 10.0f)) + row.width / 2;
        const int top = row.height / 2 - int(std::lround((row.captionY + 0.5f) * 10.0f));
        EXPECT_EQ(SubjectIn(still, left, top, left + letters * 10, top + 10), 0)
            << "the caption \"" << row.caption << "\" covers the subject of still " << id;
    }
}

TEST(CrawlArt, StoriesAreGreyCentredLinesOfLegibleSize) {
    for (int id : {131, 159, 160}) {
        Picture p = Load(id);
        ASSERT_TRUE(p.width == 256 && p.height == 512) << id;
        EXPECT_TRUE(p.Black(0, 0)) << id;
        // Lines of text are bands of rows holding bright pixels.
        int lines = 0, run = 0, shortest = 1000, tallest = 0, coloured = 0;
        double balance = 0;
        for (int y = 0; y <= 512; y++) {
            int left = 256, right = -1;
            for (int x = 0; y < 512 && x < 256; x++) {
                const uint8_t *c = p.At(x, y);
                coloured += c[0] != c[1] || c[1] != c[2];
                if (c[0] > 128) left = std::min(left, x), right = x;
            }
            if (right >= 0) {
                run++;
                balance += (left + right) / 2.0 - 127.5;
            } else if (run > 0) {
                lines++;
                shortest = std::min(shortest, run), tallest = std::max(tallest, run);
                run = 0;
            }
        }
        EXPECT_EQ(coloured, 0) << id;
        EXPECT_GE(lines, 14) << id;
        EXPECT_LE(lines, 20) << id;
        EXPECT_GE(shortest, 12) << id << ": letters too small to read as the plane tilts away";
        EXPECT_LE(tallest, 26) << id;
        EXPECT_LT(std::abs(balance) / 512, 4.0) << id << ": lines are not centred";
    }
}

}  // namespace
