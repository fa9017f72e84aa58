// bitmap_decoder.cpp -- DIB header checks and pixel decoding (1/4/8/24/32 bits, RLE8, RLE4)
#include "assets/bitmap_decoder.h"

#include "assets/resource_bytes.h"

#include <cstdlib>
#include <cstring>

namespace {

uint16_t U16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t *p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
int32_t S32(const uint8_t *p) { return static_cast<int32_t>(U32(p)); }

// Header sizes we accept: BITMAPINFOHEADER, its V2/V3 extensions with masks,
// BITMAPV4HEADER and BITMAPV5HEADER. All share the first 40 bytes.
bool KnownHeaderSize(uint32_t size) { return size == 40 || size == 52 || size == 56 || size == 108 || size == 124; }

struct Palette {
    const uint8_t *entries;  // B, G, R, reserved
    int count;
};

void PutIndex(const Palette &palette, int index, uint8_t *out) {
    if (index < palette.count) {
        const uint8_t *e = palette.entries + 4 * index;
        out[0] = e[2];
        out[1] = e[1];
        out[2] = e[0];
    } else {
        out[0] = out[1] = out[2] = 0;
    }
}

// One channel of a bit-field pixel, scaled to 0..255.
uint8_t Channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    uint64_t top = mask >> shift;
    uint64_t value = (pixel & mask) >> shift;
    return static_cast<uint8_t>((value * 255u + top / 2) / top);
}

bool ContiguousMask(uint32_t mask) {
    if (mask == 0) return true;
    while ((mask & 1u) == 0) mask >>= 1;
    return (mask & (mask + 1)) == 0;
}

uint8_t *Row(uint8_t *rgb, const BitmapInfo &info, int storedRow) {
    // Stored rows run bottom-up unless the height was negative.
    int y = info.topDown ? storedRow : info.height - 1 - storedRow;
    return rgb + static_cast<size_t>(y) * static_cast<size_t>(info.width) * 3;
}

BitmapStatus DecodeUncompressed(const uint8_t *dib, size_t size, const BitmapInfo &info, const Palette &palette,
                                uint8_t *rgb) {
    size_t stride = ((static_cast<size_t>(info.width) * info.bitsPerPixel + 31) / 32) * 4;
    size_t available = size - info.pixelOffset;
    // The last row need not be padded out in the data.
    size_t lastRow = (static_cast<size_t>(info.width) * info.bitsPerPixel + 7) / 8;
    if (available < stride * static_cast<size_t>(info.height - 1) + lastRow) return BITMAP_TRUNCATED;
    for (int row = 0; row < info.height; ++row) {
        const uint8_t *in = dib + info.pixelOffset + stride * row;
        uint8_t *out = Row(rgb, info, row);
        for (int x = 0; x < info.width; ++x, out += 3) {
            switch (info.bitsPerPixel) {
            case 1: PutIndex(palette, (in[x >> 3] >> (7 - (x & 7))) & 1, out); break;
            case 4: PutIndex(palette, (x & 1) ? (in[x >> 1] & 0x0F) : (in[x >> 1] >> 4), out); break;
            case 8: PutIndex(palette, in[x], out); break;
            case 24:
                out[0] = in[3 * x + 2];
                out[1] = in[3 * x + 1];
                out[2] = in[3 * x];
                break;
            default: {
                uint32_t pixel = U32(in + 4 * x);
                out[0] = Channel(pixel, info.masks[0]);
                out[1] = Channel(pixel, info.masks[1]);
                out[2] = Channel(pixel, info.masks[2]);
            }
            }
        }
    }
    return BITMAP_OK;
}

// RLE8 and RLE4: pairs of (count, value) runs and escapes (0, code):
// 0 end of line, 1 end of bitmap, 2 delta (dx, dy), 3..255 an absolute run
// of that many pixels padded to a 16-bit boundary. Every step consumes data,
// so the loop ends; every write is checked against the row and the picture.
BitmapStatus DecodeRunLength(const uint8_t *dib, size_t size, const BitmapInfo &info, const Palette &palette,
                             uint8_t *rgb) {
    const bool four = info.compression == BITMAP_BI_RLE4;
    for (int y = 0; y < info.height; ++y) {
        uint8_t *out = rgb + static_cast<size_t>(y) * info.width * 3;
        for (int x = 0; x < info.width; ++x) PutIndex(palette, 0, out + 3 * x);
    }
    const uint8_t *p = dib + info.pixelOffset;
    const uint8_t *end = dib + size;
    int x = 0, row = 0;  // row counts stored rows, from the bottom
    while (true) {
        if (end - p < 2) return BITMAP_TRUNCATED;
        int count = p[0], value = p[1];
        p += 2;
        if (count > 0) {
            if (row >= info.height || count > info.width - x) return BITMAP_BAD_RUN;
            uint8_t *out = Row(rgb, info, row) + 3 * x;
            for (int i = 0; i < count; ++i, out += 3) {
                int index = four ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value;
                PutIndex(palette, index, out);
            }
            x += count;
            continue;
        }
        switch (value) {
        case 0:  // end of line
            x = 0;
            ++row;
            break;
        case 1:  // end of bitmap
            return BITMAP_OK;
        case 2: {  // delta: move right and up
            if (end - p < 2) return BITMAP_TRUNCATED;
            int dx = p[0], dy = p[1];
            p += 2;
            if (dx > info.width - x || dy > info.height - row) return BITMAP_BAD_RUN;
            x += dx;
            row += dy;
            break;
        }
        default: {  // absolute run of `value` pixels
            size_t bytes = four ? (static_cast<size_t>(value) + 1) / 2 : static_cast<size_t>(value);
            size_t padded = (bytes + 1) & ~static_cast<size_t>(1);
            if (static_cast<size_t>(end - p) < bytes) return BITMAP_TRUNCATED;
            if (row >= info.height || value > info.width - x) return BITMAP_BAD_RUN;
            uint8_t *out = Row(rgb, info, row) + 3 * x;
            for (int i = 0; i < value; ++i, out += 3) {
                int index = four ? ((i & 1) ? (p[i >> 1] & 0x0F) : (p[i >> 1] >> 4)) : p[i];
                PutIndex(palette, index, out);
            }
            x += value;
            // A missing pad byte at the very end is tolerated; the next read fails cleanly.
            p += padded <= static_cast<size_t>(end - p) ? padded : bytes;
        }
        }
    }
}

}  // namespace

const char *BitmapStatusText(BitmapStatus status) {
    switch (status) {
    case BITMAP_OK: return "ok";
    case BITMAP_MISSING: return "no such bitmap resource";
    case BITMAP_TRUNCATED: return "data ends early";
    case BITMAP_BAD_HEADER: return "malformed header";
    case BITMAP_UNSUPPORTED: return "unsupported bitmap format";
    case BITMAP_TOO_LARGE: return "bitmap too large";
    case BITMAP_BAD_RUN: return "run-length data outside the picture";
    case BITMAP_BUFFER_TOO_SMALL: return "output buffer too small";
    }
    return "unknown status";
}

BitmapStatus ReadBitmapInfo(const uint8_t *dib, size_t size, BitmapInfo *info) {
    std::memset(info, 0, sizeof *info);
    if (dib == nullptr || size < 4) return BITMAP_TRUNCATED;
    uint32_t headerSize = U32(dib);
    if (headerSize == 12 || headerSize == 16 || headerSize == 64) return BITMAP_UNSUPPORTED;  // OS/2 headers
    if (!KnownHeaderSize(headerSize)) return BITMAP_BAD_HEADER;
    if (size < headerSize) return BITMAP_TRUNCATED;

    int32_t width = S32(dib + 4);
    int32_t height = S32(dib + 8);
    int bits = U16(dib + 14);
    uint32_t compression = U32(dib + 16);
    uint32_t coloursUsed = U32(dib + 32);

    if (width <= 0 || height == 0 || height == INT32_MIN) return BITMAP_BAD_HEADER;
    int64_t rows = height < 0 ? -static_cast<int64_t>(height) : height;
    if (width > BITMAP_MAX_SIDE || rows > BITMAP_MAX_SIDE) return BITMAP_TOO_LARGE;
    if (static_cast<int64_t>(width) * rows > BITMAP_MAX_PIXELS) return BITMAP_TOO_LARGE;

    // A JPEG or PNG inside says so by its compression and leaves the bit count 0.
    if (compression == 4 || compression == 5) return BITMAP_UNSUPPORTED;
    if (bits == 16) return BITMAP_UNSUPPORTED;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return BITMAP_BAD_HEADER;
    bool ok = compression == BITMAP_BI_RGB || (compression == BITMAP_BI_RLE8 && bits == 8) ||
              (compression == BITMAP_BI_RLE4 && bits == 4) || (compression == BITMAP_BI_BITFIELDS && bits == 32);
    if (!ok) return BITMAP_BAD_HEADER;
    // Run-length bitmaps are always stored bottom-up.
    if (height < 0 && (compression == BITMAP_BI_RLE8 || compression == BITMAP_BI_RLE4)) return BITMAP_BAD_HEADER;

    info->width = width;
    info->height = static_cast<int>(rows);
    info->topDown = height < 0;
    info->bitsPerPixel = bits;
    info->compression = compression;
    info->masks[0] = 0x00FF0000u;
    info->masks[1] = 0x0000FF00u;
    info->masks[2] = 0x000000FFu;

    size_t offset = headerSize;
    if (compression == BITMAP_BI_BITFIELDS) {
        if (headerSize == 40) {
            // The three masks follow a plain info header.
            if (size < offset + 12) return BITMAP_TRUNCATED;
            for (int i = 0; i < 3; ++i) info->masks[i] = U32(dib + offset + 4 * i);
            offset += 12;
        } else {
            for (int i = 0; i < 3; ++i) info->masks[i] = U32(dib + 40 + 4 * i);
        }
        for (uint32_t mask : info->masks) {
            if (!ContiguousMask(mask)) return BITMAP_BAD_HEADER;
        }
    }

    int64_t tableEntries;
    if (bits <= 8) {
        int64_t full = int64_t{1} << bits;
        if (coloursUsed > full) return BITMAP_BAD_HEADER;
        tableEntries = coloursUsed == 0 ? full : coloursUsed;
        info->paletteSize = static_cast<int>(tableEntries);
    } else {
        // A true-colour bitmap may carry an optional table; it is skipped.
        if (coloursUsed > (1u << 24)) return BITMAP_BAD_HEADER;
        tableEntries = coloursUsed;
    }
    info->paletteOffset = offset;
    if (static_cast<uint64_t>(size - offset) < static_cast<uint64_t>(tableEntries) * 4) return BITMAP_TRUNCATED;
    info->pixelOffset = offset + static_cast<size_t>(tableEntries) * 4;
    if (info->pixelOffset >= size) return BITMAP_TRUNCATED;
    return BITMAP_OK;
}

BitmapStatus DecodeBitmap(const uint8_t *dib, size_t size, uint8_t *rgb, size_t rgbSize) {
    BitmapInfo info;
    BitmapStatus status = ReadBitmapInfo(dib, size, &info);
    if (status != BITMAP_OK) return status;
    if (rgb == nullptr || rgbSize / 3 / static_cast<size_t>(info.width) < static_cast<size_t>(info.height))
        return BITMAP_BUFFER_TOO_SMALL;
    Palette palette{dib + info.paletteOffset, info.paletteSize};
    if (info.compression == BITMAP_BI_RLE8 || info.compression == BITMAP_BI_RLE4)
        return DecodeRunLength(dib, size, info, palette, rgb);
    return DecodeUncompressed(dib, size, info, palette, rgb);
}

uint8_t *DecodeBitmapResource(int bitmapId, int *width, int *height, BitmapStatus *status) {
    *width = *height = 0;
    ResourceBytes bytes = FindBitmapResource(bitmapId);
    if (bytes.data == nullptr) {
        *status = BITMAP_MISSING;
        return nullptr;
    }
    BitmapInfo info;
    *status = ReadBitmapInfo(bytes.data, bytes.size, &info);
    if (*status != BITMAP_OK) return nullptr;
    size_t rgbSize = static_cast<size_t>(info.width) * static_cast<size_t>(info.height) * 3;
    uint8_t *rgb = static_cast<uint8_t *>(std::malloc(rgbSize));
    if (rgb == nullptr) {
        *status = BITMAP_TOO_LARGE;
        return nullptr;
    }
    *status = DecodeBitmap(bytes.data, bytes.size, rgb, rgbSize);
    if (*status != BITMAP_OK) {
        std::free(rgb);
        return nullptr;
    }
    *width = info.width;
    *height = info.height;
    return rgb;
}
