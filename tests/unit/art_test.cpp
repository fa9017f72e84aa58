// art_test.cpp -- the committed pictures as the game reads them: embedded as their files at the sizes the tables expect, atlases fit the character tables, portraits their rows, stills their captions and point maps, keys are dark, stories grey, font cells lit where a glyph is
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/bitmap_decoder.h"
#include "assets/resource_bytes.h"
#include "assets/slide_show.h"
#include "game/character.h"
#include "game/character_tables.h"
#include "render/scene_setup.h"

namespace {

const uint32_t BLACK = 0x000000, WHITE = 0xFFFFFF, RED = 0xFF0000;

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    // The colour at (x, y) as 0xRRGGBB.
    uint32_t At(int x, int y) const {
        const uint8_t *p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
};

Picture Load(int id) {
    Picture p;
    BitmapStatus status = BITMAP_OK;
    uint8_t *data = DecodeBitmapResource(id, &p.width, &p.height, &status);
    EXPECT_NE(data, nullptr) << "bitmap " << id << ": " << BitmapStatusText(status);
    p.rgb.assign(data, data + static_cast<size_t>(p.width) * p.height * 3);  // none when it failed
    std::free(data);
    return p;
}

bool Holds(const PartGeometry &g, int x, int y) { return x >= g.u && x < g.u + g.w && y >= g.v && y < g.v + g.h; }

TEST(ResourceArt, EveryBitmapOfTheScriptIsEmbeddedAsItsFileAndDecodesAtTheSizeTheTextureTableExpects) {
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
        Load(id);  // and it decodes
    }
    EXPECT_GT(count, 0) << "resources/bitmaps.rc read";
    EXPECT_EQ(FindBitmapResource(103).data, nullptr);  // ids between are really absent
    // The stills and point maps are held to their rows' sizes below, the font strip in its own test.
    for (const TextureSlotEntry &entry : textureTable) {
        const Picture p = Load(entry.bitmapId);
        EXPECT_TRUE(p.width == entry.width && p.height == entry.height) << entry.bitmapId << " is " << p.width << "x" << p.height;
    }
}

TEST(FontArt, CellsOfUndrawnCharactersAreBlackAndTheOthersLitAllGrey) {
    const Picture font = Load(113);
    ASSERT_TRUE(font.width == 1536 && font.height == 16);
    const std::string blank = " +/<=>@[\\]^_`{|}~\x7f";  // the cells without a glyph
    for (int code = 32; code < 128; ++code) {
        int lit = 0, coloured = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = (code - 32) * 16; x < (code - 31) * 16; ++x) {
                lit += font.At(x, y) != BLACK;
                coloured += font.At(x, y) != (font.At(x, y) & 255) * 0x010101u;
            }
        EXPECT_EQ(lit == 0, blank.find(static_cast<char>(code)) != std::string::npos) << "code " << code;
        EXPECT_EQ(coloured, 0) << "code " << code;
    }
}

TEST(AtlasArt, ColourAndMaskShareOneSilhouetteAndEveryPartIsJoined) {
    const struct {
        const char *name;
        int colourId, maskId;
        const CharacterDefinition &definition;
        const CharacterRecord &record;  // as built at program start
    } characters[] = {{"general", 102, 111, CHARACTER_A_DEFINITION, characterA},
                      {"captain", 109, 112, CHARACTER_B_DEFINITION, characterB},
                      {"heroine", 114, 115, CHARACTER_C_DEFINITION, characterC}};
    for (const auto &c : characters) {
        const PartGeometry *parts = c.definition.geometry;  // part 0 is the whole figure's frame, no rectangle
        Picture colour = Load(c.colourId), mask = Load(c.maskId);
        ASSERT_TRUE(colour.width == 256 && colour.height == 128 && mask.width == 256 && mask.height == 128);
        EXPECT_EQ(colour.At(0, 0), BLACK) << c.name << ": the colour key must be the empty black";
        int disagreements = 0, strayOutside = 0, greyMask = 0;
        for (int y = 0; y < 128; y++)
            for (int x = 0; x < 256; x++) {
                bool opaque = mask.At(x, y) == BLACK, inside = false;
                for (int part = 1; part < CHARACTER_PARTS; part++) inside = inside || Holds(parts[part], x, y);
                greyMask += !opaque && mask.At(x, y) != WHITE;
                disagreements += opaque == (colour.At(x, y) == BLACK);
                strayOutside += !inside && (colour.At(x, y) != BLACK || mask.At(x, y) != WHITE);
            }
        EXPECT_EQ(greyMask, 0) << c.name << ": mask pixels neither black nor white";
        EXPECT_EQ(disagreements, 0) << c.name << ": mask and colour atlas disagree";
        EXPECT_EQ(strayOutside, 0) << c.name << ": figure pixels outside every part rectangle";

        // Solid within `reach` of (x, y), looking only inside part p.
        auto solidNear = [&mask](const PartGeometry &p, int x, int y, int reach, bool all) {
            for (int dy = -reach; dy <= reach; dy++)
                for (int dx = -reach; dx <= reach; dx++)
                    if (Holds(p, x + dx, y + dy) && (mask.At(x + dx, y + dy) == BLACK) != all) return !all;
            return all;
        };
        for (int part = 1; part < CHARACTER_PARTS; part++) {
            const PartGeometry &p = parts[part];
            const int u = int(p.u), v = int(p.v);
            int opaque = 0;
            for (int y = v; y < v + int(p.h); y++)
                for (int x = u; x < u + int(p.w); x++) opaque += mask.At(x, y) == BLACK;
            EXPECT_GT(opaque, int(p.w * p.h) / 5) << c.name << " part " << part << " is nearly empty";
            // A rounded joint, so a turned part never opens a gap at its pivot.
            EXPECT_TRUE(solidNear(p, u + int(p.ax), v + int(p.ay), 1, true))
                << c.name << " part " << part << " not solid at its anchor";
            // The quads the game draws: corner 0 the rectangle's top left (and the anchor's negative), 3 its bottom right.
            const Vec2 *t = c.record.texCoord[part];
            EXPECT_TRUE(std::fabs(t[0].x * 255 - p.u) + std::fabs(t[0].y * 127 - p.v) + std::fabs(t[3].x * 255 - p.u - p.w) +
                            std::fabs(t[3].y * 127 - p.v - p.h) < 0.04f &&
                        c.record.vertex[part][0].x == -p.ax && c.record.vertex[part][0].y == p.ay)
                << c.name << " part " << part << " is drawn from another rectangle";
            if (part == 1) continue;
            // Forearms and shins hang from the part before them, the rest from the body. The parent's
            // drawing reaches the pivot (within two pixels), unless the pivot lies beyond the parent's
            // rectangle and the child's end covers it.
            const int parentPart = (part % 2 == 0 && part >= 4) ? part - 1 : 1;
            const PartGeometry &parent = parts[parentPart];
            const int x = int(parent.u) + int(parent.ax + p.px), y = int(parent.v) + int(parent.ay - p.py);
            EXPECT_TRUE(!Holds(parent, x, y) || solidNear(parent, x, y, 2, false))
                << c.name << ": part " << part << " hangs in the air beside part " << parentPart;
        }
    }
}

// Subject pixels (not the key colour) inside columns [x0, x1) and rows [y0, y1), clipped to the picture.
int SubjectIn(const Picture &p, int x0, int y0, int x1, int y1) {
    int subject = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, p.height); y++)
        for (int x = std::max(x0, 0); x < std::min(x1, p.width); x++) subject += p.At(x, y) != p.At(0, 0);
    return subject;
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
        const int r = p.At(0, 0) >> 16, g = p.At(0, 0) >> 8 & 255, b = p.At(0, 0) & 255;
        const int high = std::max({r, g, b}), low = std::min({r, g, b});
        EXPECT_TRUE(high <= 48 && high - low <= 24) << "bitmap " << id << " is keyed on a bright or saturated colour";
    }
}

TEST(SlideShowArt, StillsShowASubjectClearOfTheCaptionAndSparksLandOnIt) {
    for (const SlideRow &row : slideTable) {
        const int id = int(row.colourBitmap & 0xFFFF), mapId = int(row.pointMapBitmap & 0xFFFF);
        Picture still = Load(id), points = Load(mapId);
        ASSERT_TRUE(still.width == row.width && still.height == row.height && points.width == still.width &&
                    points.height == still.height)
            << id;
        const double share = double(SubjectIn(still, 0, 0, still.width, still.height)) / (still.width * still.height);
        EXPECT_TRUE(share > 0.03 && share < 0.9) << "still " << id << " shows too little or leaves no background";
        int red = 0, offSubject = 0;
        for (int y = 0; y < still.height; y++)
            for (int x = 0; x < still.width; x++)
                if (points.At(x, y) == RED) red++, offSubject += still.At(x, y) == still.At(0, 0);
        EXPECT_GT(red, 0) << "point map " << mapId;
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
        EXPECT_EQ(p.At(0, 0), BLACK) << id;
        // Lines of text are bands of rows holding bright pixels.
        int lines = 0, run = 0, shortest = 1000, tallest = 0, coloured = 0;
        double balance = 0;
        for (int y = 0; y <= 512; y++) {
            int left = 256, right = -1;
            for (int x = 0; y < 512 && x < 256; x++) {
                const uint32_t c = p.At(x, y);
                coloured += (c >> 16) != (c >> 8 & 255) || (c >> 8 & 255) != (c & 255);
                if ((c >> 16) > 128) left = std::min(left, x), right = x;
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
        EXPECT_TRUE(lines >= 14 && lines <= 20) << id << ": " << lines << " lines";
        EXPECT_TRUE(shortest >= 12 && tallest <= 26)
            << id << ": letters too small to read as the plane tilts away, or too tall";
        EXPECT_LT(std::abs(balance) / 512, 4.0) << id << ": lines are not centred";
    }
}

}  // namespace
