// palette.cpp -- palette entries for palette devices
#include "host/palette.h"

bool FormatNeedsPalette(const PixelFormatColours &format) { return format.needsPalette || format.colourIndex; }

int PaletteEntryCount(int colourBits) {
    if (colourBits < 0) return 1;
    if (colourBits >= 8) return PALETTE_MAX_ENTRIES;
    return 1 << colourBits;
}

// One channel of index i: the channel's bits scaled to 0..255, truncating.
// A channel without bits is given 0 rather than divided by zero.
static uint8_t Channel(int index, int bits, int shift) {
    if (bits <= 0 || bits > 8 || shift < 0 || shift > 31) return 0;
    const int mask = (1 << bits) - 1;
    return static_cast<uint8_t>(((index >> shift) & mask) * 255 / mask);
}

void ComputePalette(const PixelFormatColours &format, PaletteColour *entries, int count) {
    if (format.colourIndex) {
        static const PaletteColour fixedColours[4] = {
            //  red  green blue flags
            {0,   0,   0,   PALETTE_NO_COLLAPSE},  // black
            {255, 0,   0,   PALETTE_NO_COLLAPSE},  // red
            {0,   255, 0,   PALETTE_NO_COLLAPSE},  // green
            {0,   0,   255, PALETTE_NO_COLLAPSE},  // blue
        };
        for (int i = 0; i < 4 && i < count; ++i) entries[i] = fixedColours[i];
        return;
    }
    for (int i = 0; i < count; ++i) {
        entries[i].red = Channel(i, format.redBits, format.redShift);
        entries[i].green = Channel(i, format.greenBits, format.greenShift);
        entries[i].blue = Channel(i, format.blueBits, format.blueShift);
        entries[i].flags = 0;
    }
}
