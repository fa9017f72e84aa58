// host_palette_test.cpp -- palette entries of palette devices
#include <gtest/gtest.h>

#include "host/palette.h"

namespace {
// 8-bit RGBA: 3 red bits at 0, 3 green bits at 3, 2 blue bits at 6.
const PixelFormatColours rgb332 = {true, false, 8, 3, 0, 3, 3, 2, 6};
const PixelFormatColours colourIndex4 = {false, true, 4, 0, 0, 0, 0, 0, 0};
}  // namespace

TEST(Palette, OnlyPaletteFormatsGetOneWithAtMost256Entries) {
    EXPECT_TRUE(FormatNeedsPalette(rgb332));
    EXPECT_TRUE(FormatNeedsPalette(colourIndex4));
    EXPECT_FALSE(FormatNeedsPalette(PixelFormatColours{false, false, 24, 8, 16, 8, 8, 8, 0}));
    EXPECT_EQ(PaletteEntryCount(16), 256);
    EXPECT_EQ(PaletteEntryCount(4), 16);
}

TEST(Palette, RgbEntriesSpreadEachChannelWithTruncatingDivision) {
    PaletteColour entries[256] = {};
    ComputePalette(rgb332, entries, 256);
    const PaletteColour expected[] = {
        // red green blue flags      index
        {255, 255, 255, 0},       // 255
        {255, 0,   0,   0},       // 7
        {0,   0,   255, 0},       // 192
        {72,  72,  170, 0},       // 146
    };
    const int index[] = {255, 7, 192, 146};
    for (int row = 0; row < 4; ++row) {
        const PaletteColour &got = entries[index[row]];
        EXPECT_EQ(got.red, expected[row].red) << index[row];
        EXPECT_EQ(got.green, expected[row].green) << index[row];
        EXPECT_EQ(got.blue, expected[row].blue) << index[row];
        EXPECT_EQ(got.flags, 0) << index[row];
    }
    ComputePalette(PixelFormatColours{true, false, 8, 3, 0, 0, 3, 2, 6}, entries, 256);
    EXPECT_EQ(entries[255].green, 0) << "a channel without bits";
    EXPECT_EQ(entries[255].red, 255);
}

TEST(Palette, ColourIndexKeepsSystemColoursPastTheFirstFour) {
    PaletteColour indexed[16];
    for (PaletteColour &entry : indexed) entry = PaletteColour{1, 2, 3, 0};
    ComputePalette(colourIndex4, indexed, 16);
    EXPECT_EQ(indexed[1].red, 255);
    EXPECT_EQ(indexed[1].flags, PALETTE_NO_COLLAPSE);
    EXPECT_EQ(indexed[3].blue, 255);
    EXPECT_EQ(indexed[4].red, 1);
    EXPECT_EQ(indexed[15].blue, 3);
}
