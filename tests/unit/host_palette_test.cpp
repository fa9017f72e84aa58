// host_palette_test.cpp -- palette entries of palette devices
#include <gtest/gtest.h>

#include "host/palette.h"

namespace {
// 8-bit RGBA: 3 red bits at 0, 3 green bits at 3, 2 blue bits at 6.
const PixelFormatColours rgb332 = {true, false, 8, 3, 0, 3, 3, 2, 6};
const PixelFormatColours colourIndex4 = {false, true, 4, 0, 0, 0, 0, 0, 0};
}  // namespace

TEST(Palette, OnlyPaletteFormatsGetOneWithAtMost256Entries) {
    EXPECT_TRUE(FormatNeedsPalette(rgb332) && FormatNeedsPalette(colourIndex4));
    EXPECT_FALSE(FormatNeedsPalette(PixelFormatColours{false, false, 24, 8, 16, 8, 8, 8, 0}));
    EXPECT_TRUE(PaletteEntryCount(16) == 256 && PaletteEntryCount(4) == 16);
}

TEST(Palette, RgbEntriesSpreadEachChannelWithTruncatingDivision) {
    PaletteColour entries[256] = {};
    ComputePalette(rgb332, entries, 256);
    const struct {
        int index, red, green, blue;
    } expected[] = {{255, 255, 255, 255}, {7, 255, 0, 0}, {192, 0, 0, 255}, {146, 72, 72, 170}};
    for (const auto &e : expected) {
        const PaletteColour &got = entries[e.index];
        EXPECT_TRUE(got.red == e.red && got.green == e.green && got.blue == e.blue && got.flags == 0) << e.index;
    }
    ComputePalette(PixelFormatColours{true, false, 8, 3, 0, 0, 3, 2, 6}, entries, 256);
    EXPECT_TRUE(entries[255].green == 0 && entries[255].red == 255) << "a channel without bits";
}

TEST(Palette, ColourIndexKeepsSystemColoursPastTheFirstFour) {
    PaletteColour indexed[16];
    for (PaletteColour &entry : indexed) entry = PaletteColour{1, 2, 3, 0};
    ComputePalette(colourIndex4, indexed, 16);
    EXPECT_TRUE(indexed[1].red == 255 && indexed[1].flags == PALETTE_NO_COLLAPSE && indexed[3].blue == 255);
    EXPECT_TRUE(indexed[4].red == 1 && indexed[15].blue == 3) << "system colours past the first four kept";
}
