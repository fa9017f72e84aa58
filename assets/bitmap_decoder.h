// bitmap_decoder.h -- device-independent bitmaps as resources store them, decoded to 8-bit RGB with row 0 at the top
#pragma once

#include <cstddef>
#include <cstdint>

// What a decode came to. Everything but BITMAP_OK means nothing usable was
// produced; the decoder never reads or writes outside the buffers it is given.
enum BitmapStatus {
    BITMAP_OK = 0,
    BITMAP_MISSING,           // the program holds no bitmap resource of that id
    BITMAP_TRUNCATED,         // the data ends before the header, palette or pixels do
    BITMAP_BAD_HEADER,        // a header field contradicts itself or the format
    BITMAP_UNSUPPORTED,       // a valid but unhandled variant (16 bits, JPEG/PNG inside, ...)
    BITMAP_TOO_LARGE,         // more pixels than the decoder accepts
    BITMAP_BAD_RUN,           // run-length data that leaves its row or the picture
    BITMAP_BUFFER_TOO_SMALL,  // the caller's output buffer cannot hold the picture
};

const char *BitmapStatusText(BitmapStatus status);

// Largest accepted width or height, and pixel count (a 4096 x 4096 picture).
const int BITMAP_MAX_SIDE = 16384;
const int64_t BITMAP_MAX_PIXELS = 4096 * 4096;

const uint32_t BITMAP_BI_RGB = 0;
const uint32_t BITMAP_BI_RLE8 = 1;
const uint32_t BITMAP_BI_RLE4 = 2;
const uint32_t BITMAP_BI_BITFIELDS = 3;

struct BitmapInfo {
    int width;
    int height;           // always positive; topDown tells the row order
    bool topDown;
    int bitsPerPixel;     // 1, 4, 8, 24 or 32
    uint32_t compression;
    int paletteSize;      // colour-table entries present (0 for 24 and 32 bits)
    size_t paletteOffset; // where the colour table starts in the DIB
    size_t pixelOffset;   // where the pixel data starts in the DIB
    uint32_t masks[3];    // red, green, blue masks of a 32-bit bitmap
};

// Reads and checks the headers of a DIB (BITMAPINFOHEADER, or the V4/V5 headers).
BitmapStatus ReadBitmapInfo(const uint8_t *dib, size_t size, BitmapInfo *info);

// Decodes a DIB into rgb: width x height pixels of three bytes (red, green,
// blue), row 0 at the top, rows without gaps. Pixels that run-length data
// skips (delta and end-of-line escapes) take colour-table entry 0; colour
// indices beyond a short colour table are black.
BitmapStatus DecodeBitmap(const uint8_t *dib, size_t size, uint8_t *rgb, size_t rgbSize);

// Decodes bitmap resource bitmapId of the program into a buffer from
// std::malloc that the caller frees. Returns nullptr (and a status) when the
// resource is missing, malformed, or memory runs out.
uint8_t *DecodeBitmapResource(int bitmapId, int *width, int *height, BitmapStatus *status);
