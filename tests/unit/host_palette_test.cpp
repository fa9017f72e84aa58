// host_palette_test.cpp -- palette entries of palette devices
#include <gtest/gtest.h>

#include "host/palette.h"

namespace {
// 8-bit RGBA: 3 red bits at 0, 3 green bits at 3, 2 blue bits at 6.
const PixelFormatColours rgb332 = {true, false, 8, 3, 0, 3, 3, 2, 6};
}  // namespace

TEST(Palette, OnlyPaletteFormatsGetOneWithAtMost256Entries) {
    EXPECT_TRUE(FormatNeedsPalette(rgb332));
    EXPECT_TRUE(FormatNeedsPalette(PixelFormatColours{false, true, 4, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(FormatNeedsPalette(PixelFormatColours{false, false, 24, 8, 16, 8, 8, 8, 0}));
    EXPECT_EQ(PaletteEntryCount(8), 256);
    EXPECT_EQ(PaletteEntryCount(16), 256);
    EXPECT_EQ(PaletteEntryCount(4), 16);
}

TEST(Palette, RgbEntriesSpreadEachChannelWithTruncatingDivision) {
    PaletteColour entries[256] = {};
    ComputePalette(rgb332, entries, 256);
    const struct {
        int index;
        uint8_t red, green, blue;
    } expected[] = {
        // index  red  green blue
        {255,     255, 255,  255},
        {7,       255, 0,    0},
        {192,     0,   0,    255},
        {146,     72,  72,   170},
        {0,       0,   0,    0},
    };
    for (const auto &row : expected) {
        EXPECT_EQ(entries[row.index].red, row.red) << row.index;
        EXPECT_EQ(entries[row.index].green, row.green) << row.index;
        EXPECT_EQ(entries[row.index].blue, row.blue) << row.index;
        EXPECT_EQ(entries[row.index].flags, 0) << row.index;
    }
}

TEST(Palette, ChannelWithoutBitsIsZeroAndColourIndexKeepsSystemColoursPastTheFirstFour) {
    PaletteColour entries[256] = {};
    ComputePalette(PixelFormatColours{true, false, 8, 3, 0, 0, 3, 2, 6}, entries, 256);
    EXPECT_EQ(entries[255].green, 0);
    EXPECT_EQ(entries[255].red, 255);

    PaletteColour indexed[16];
    for (PaletteColour &entry : indexed) entry = PaletteColour{1, 2, 3, 0};
    ComputePalette(PixelFormatColours{false, true, 4, 0, 0, 0, 0, 0, 0}, indexed, 16);
    EXPECT_EQ(indexed[1].red, 255);
    EXPECT_EQ(indexed[1].flags, PALETTE_NO_COLLAPSE);
    EXPECT_EQ(indexed[3].blue, 255);
    EXPECT_EQ(indexed[4].red, 1);
    EXPECT_EQ(indexed[15].blue, 3);
}
