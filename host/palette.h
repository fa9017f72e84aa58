// palette.h -- the logical palette of an 8-bit (or smaller) pixel format
#pragma once

#include <cstdint>

const int PALETTE_MAX_ENTRIES = 256;
const uint8_t PALETTE_NO_COLLAPSE = 4;  // PC_NOCOLLAPSE

struct PaletteColour {
    uint8_t red, green, blue, flags;
};

// What the chosen pixel format says about its colours.
struct PixelFormatColours {
    bool needsPalette;  // PFD_NEED_PALETTE
    bool colourIndex;   // PFD_TYPE_COLORINDEX
    int colourBits;
    int redBits, redShift, greenBits, greenShift, blueBits, blueShift;
};

bool FormatNeedsPalette(const PixelFormatColours &format);
// 2 to the colour bits, at most 256.
int PaletteEntryCount(int colourBits);
// Fills `entries` (which start as the system palette's first `count`
// entries) by the rule of the format: the four fixed colours of a
// colour-index format, or every index spread over the RGB channels.
void ComputePalette(const PixelFormatColours &format, PaletteColour *entries, int count);
