// bitmap_decoder_test.cpp -- the DIB decoder: every depth and compression, RLE escapes, malformed input
#include "assets/bitmap_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A DIB with a 40-byte (or larger) info header, a colour table of RGB triples
// and the given pixel bytes. A header long enough holds the bit-field masks
// 5/6/5 (red at the top) after the first 40 bytes, and zeros after them.
Bytes MakeDib(int width, int height, int bits, uint32_t compression, const std::vector<uint32_t> &paletteRgb,
              const Bytes &pixels, uint32_t coloursUsed, uint32_t headerSize = 40) {
    const uint32_t fields[] = {headerSize, uint32_t(width), uint32_t(height), 1u | uint32_t(bits) << 16, compression,
                               uint32_t(pixels.size()), 2835, 2835, coloursUsed, 0, 0xF8000000u, 0x07E00000u, 0x001F0000u};
    Bytes b;
    for (uint32_t v : fields)
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    b.resize(headerSize, 0);
    for (uint32_t c : paletteRgb) b.insert(b.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), 0});
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

struct Decoded {
    BitmapStatus status;
    BitmapInfo info{};
    std::vector<uint8_t> rgb;
};

Decoded Decode(const Bytes &dib) {
    Decoded d;
    d.status = ReadBitmapInfo(dib.data(), dib.size(), &d.info);
    if (d.status != BITMAP_OK) return d;
    d.rgb.assign(static_cast<size_t>(d.info.width) * d.info.height * 3, 0xCD);
    d.status = DecodeBitmap(dib.data(), dib.size(), d.rgb.data(), d.rgb.size());
    return d;
}

Bytes ReadFixture(const std::string &name) {
    const std::string source = __FILE__;
    std::ifstream in(source.substr(0, source.rfind("/tests/unit/")) + "/tests/data/roundtrip/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const char *const kFormats[] = {"rle8", "rle4", "pal8", "pal4", "rgb24"};
const int kSizes[][2] = {{1, 1}, {3, 2}, {17, 5}, {33, 9}, {300, 3}};

}  // namespace

TEST(BitmapDecoder, RunLengthFixturesDecodeToTheSamePicturesAsTheirUncompressedTwins) {
    // The generator (tools/artgen/roundtrip_fixtures.py) draws each picture once and stores it
    // uncompressed and run-length encoded, with runs, escapes and odd widths.
    for (const auto &size : kSizes) {
        const std::string suffix = "_" + std::to_string(size[0]) + "x" + std::to_string(size[1]) + ".dib";
        for (const char *format : kFormats) {
            const Decoded d = Decode(ReadFixture(format + suffix));
            EXPECT_TRUE(d.status == BITMAP_OK && d.info.width == size[0] && d.info.height == size[1])
                << format << suffix << ": " << BitmapStatusText(d.status);
        }
        EXPECT_EQ(Decode(ReadFixture("rle8" + suffix)).rgb, Decode(ReadFixture("pal8" + suffix)).rgb) << suffix;
        EXPECT_EQ(Decode(ReadFixture("rle4" + suffix)).rgb, Decode(ReadFixture("pal4" + suffix)).rgb) << suffix;
    }
}

TEST(BitmapDecoder, EveryShortenedFixtureFailsOrDecodesTheSamePicture) {
    for (const char *format : kFormats) {
        Bytes dib = ReadFixture(std::string(format) + "_17x5.dib");
        Decoded full = Decode(dib);
        ASSERT_EQ(full.status, BITMAP_OK);
        for (size_t n = 0; n < dib.size(); ++n) {
            const Decoded d = Decode(Bytes(dib.begin(), dib.begin() + n));
            // Only the padding after the last pixel may go missing.
            EXPECT_TRUE(d.status != BITMAP_OK || (n + 4 >= dib.size() && d.rgb == full.rgb)) << format << " cut to " << n;
        }
    }
}

TEST(BitmapDecoder, DepthsRowOrderShortPalettesAndRunLengthEscapesDecodePixelForPixel) {
    const std::vector<uint32_t> palette = {0x000001, 0x0000AA, 0x00BB00, 0xCC0000};
    const uint32_t W = 0xFFFFFF, K = 0x000001, A = 0x0000AA, B = 0x00BB00, C = 0xCC0000;
    const struct {
        const char *what;
        Bytes dib;
        std::vector<uint32_t> topDown;  // row 0 (top) first
    } cases[] = {
        // 1 bit, width 9: two bytes of pixels padded to four per row, bottom-up.
        {"1 bit", MakeDib(9, 2, 1, BITMAP_BI_RGB, {0, W}, {0xFF, 0x80, 0, 0, 0xAA, 0x00, 0, 0}, 0),
         {W, 0, W, 0, W, 0, W, 0, 0, W, W, W, W, W, W, W, W, W}},
        // A colour table of two entries: index 5 has no colour and reads as
        // black instead of reading past the table.
        {"short table", MakeDib(3, 1, 8, BITMAP_BI_RGB, {0x102030, 0x405060}, {1, 5, 0, 0}, 2),
         {0x405060, 0, 0x102030}},
        // Negative height: the first stored row is row 0.
        {"24 bits top-down", MakeDib(1, -2, 24, BITMAP_BI_RGB, {}, {3, 2, 1, 0, 6, 5, 4, 0}, 0), {0x010203, 0x040506}},
        // BI_RGB is B, G, R, unused.
        {"32 bits", MakeDib(1, 1, 32, BITMAP_BI_RGB, {}, {0x30, 0x20, 0x10, 0x99}, 0), {0x102030}},
        // A V5 header with bit fields scales each field to 0..255: fields 16/31, 32/63, 16/31.
        {"V5 bit fields", MakeDib(2, 1, 32, BITMAP_BI_BITFIELDS, {}, {0, 0, 0, 0, 0x00, 0x00, 0x10, 0x84}, 0, 124),
         {0, 0x848284}},
        // RLE8, 6 x 3 stored bottom-up:
        //   row 2 (bottom): run of 2 x index 1, absolute run 3,2,1 (padded), EOL
        //   row 1: delta (2, 1) lands in row 0 (top) at x 2 -- row 1 stays index 0
        //   row 0: run of 4 x index 3 from x 2, end of bitmap
        {"RLE8", MakeDib(6, 3, 8, BITMAP_BI_RLE8, palette, {2, 1, 0, 3, 3, 2, 1, 0, 0, 0, 0, 2, 2, 1, 4, 3, 0, 1}, 4),
         {K, K, C, C, C, C,
          K, K, K, K, K, K,
          A, A, C, B, A, K}},
        // RLE4, 9 x 1: an encoded run alternates its two nibbles; an absolute
        // run of 5 pixels takes three bytes and one pad byte.
        {"RLE4", MakeDib(9, 1, 4, BITMAP_BI_RLE4, palette, {4, 0x12, 0, 5, 0x32, 0x13, 0x20, 0, 0, 1}, 4),
         {A, B, A, B, C, B, A, C, B}},
    };
    for (const auto &c : cases) {
        const Decoded d = Decode(c.dib);
        ASSERT_EQ(d.status, BITMAP_OK) << c.what << ": " << BitmapStatusText(d.status);
        ASSERT_EQ(d.rgb.size(), 3 * c.topDown.size()) << c.what;
        for (size_t i = 0; i < c.topDown.size(); ++i)
            EXPECT_EQ(uint32_t{d.rgb[3 * i]} << 16 | uint32_t{d.rgb[3 * i + 1]} << 8 | d.rgb[3 * i + 2], c.topDown[i])
                << std::hex << c.what << " pixel " << std::dec << i;
    }
}

TEST(BitmapDecoder, MalformedRunLengthDataAndLyingHeadersFailCleanly) {
    const auto rle8 = [](const Bytes &data) { return MakeDib(4, 2, 8, BITMAP_BI_RLE8, {0, 0xFFFFFF}, data, 2); };
    const Bytes pixels(64, 0);
    const struct {
        const char *what;
        Bytes dib;
        BitmapStatus expected;
    } cases[] = {
        {"run past the end of the row", rle8({5, 1, 0, 1}), BITMAP_BAD_RUN},
        {"absolute run past the end of the row", rle8({0, 5, 1, 1, 1, 1, 1, 0, 0, 1}), BITMAP_BAD_RUN},
        {"delta past the right edge", rle8({0, 2, 5, 0, 0, 1}), BITMAP_BAD_RUN},
        {"delta past the top", rle8({0, 2, 0, 3, 0, 1}), BITMAP_BAD_RUN},
        {"pixels after the last row", rle8({0, 0, 0, 0, 1, 1, 0, 1}), BITMAP_BAD_RUN},
        {"no end of bitmap", rle8({4, 1, 0, 0}), BITMAP_TRUNCATED},
        {"delta cut short", rle8({0, 2, 1}), BITMAP_TRUNCATED},
        {"absolute run cut short", rle8({0, 4, 1, 1}), BITMAP_TRUNCATED},
        {"huge width", MakeDib(1 << 30, 1, 24, BITMAP_BI_RGB, {}, pixels, 0), BITMAP_TOO_LARGE},
        {"huge area", MakeDib(10000, 10000, 8, BITMAP_BI_RGB, {}, pixels, 0), BITMAP_TOO_LARGE},
        {"most negative height", MakeDib(2, INT32_MIN, 24, BITMAP_BI_RGB, {}, pixels, 0), BITMAP_BAD_HEADER},
        {"negative width", MakeDib(-2, 2, 24, BITMAP_BI_RGB, {}, pixels, 0), BITMAP_BAD_HEADER},
        {"zero height", MakeDib(2, 0, 24, BITMAP_BI_RGB, {}, pixels, 0), BITMAP_BAD_HEADER},
        {"colour table longer than the depth", MakeDib(2, 2, 4, BITMAP_BI_RGB, {}, pixels, 17), BITMAP_BAD_HEADER},
        {"colour table past the data", MakeDib(2, 2, 8, BITMAP_BI_RGB, {}, Bytes(8, 0), 0), BITMAP_TRUNCATED},
        {"pixels past the data", MakeDib(64, 64, 24, BITMAP_BI_RGB, {}, pixels, 0), BITMAP_TRUNCATED},
        {"RLE8 on 4 bits", MakeDib(2, 2, 4, BITMAP_BI_RLE8, {}, pixels, 0), BITMAP_BAD_HEADER},
        {"top-down RLE", MakeDib(2, -2, 8, BITMAP_BI_RLE8, {}, pixels, 1), BITMAP_BAD_HEADER},
        {"16 bits", MakeDib(2, 2, 16, BITMAP_BI_RGB, {}, pixels, 0), BITMAP_UNSUPPORTED},
        {"JPEG inside", MakeDib(2, 2, 0, 4, {}, pixels, 0), BITMAP_UNSUPPORTED},
        {"PNG inside", MakeDib(2, 2, 0, 5, {}, pixels, 0), BITMAP_UNSUPPORTED},
        {"OS/2 2.x short header", MakeDib(2, 2, 8, BITMAP_BI_RGB, {}, pixels, 0, 16), BITMAP_UNSUPPORTED},
        {"7 bits", MakeDib(2, 2, 7, BITMAP_BI_RGB, {}, pixels, 0), BITMAP_BAD_HEADER},
        {"header size 1000", MakeDib(2, 2, 24, BITMAP_BI_RGB, {}, pixels, 0, 1000), BITMAP_BAD_HEADER},
        {"nothing at all", Bytes{}, BITMAP_TRUNCATED},
    };
    for (const auto &c : cases) EXPECT_EQ(Decode(c.dib).status, c.expected) << c.what;

    Bytes good = MakeDib(3, 2, 24, BITMAP_BI_RGB, {}, Bytes(24, 7), 0);
    uint8_t small[17];
    EXPECT_EQ(DecodeBitmap(good.data(), good.size(), small, sizeof small), BITMAP_BUFFER_TOO_SMALL);
}
