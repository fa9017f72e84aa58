// bitmap_decoder_fuzz.cpp -- libFuzzer target: any bytes through the DIB header checks and the decoder
#include "assets/bitmap_decoder.h"
#include "assets/resource_bytes.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

// The fuzzer feeds bytes directly; it has no resources of its own.
ResourceBytes FindBitmapResource(int) { return ResourceBytes{nullptr, 0}; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    BitmapInfo info;
    if (ReadBitmapInfo(data, size, &info) != BITMAP_OK) return 0;
    size_t pixels = static_cast<size_t>(info.width) * static_cast<size_t>(info.height);
    // Big pictures cost time, not coverage: check they refuse a short buffer.
    if (pixels > (size_t{1} << 20)) {
        uint8_t small[3];
        if (DecodeBitmap(data, size, small, sizeof small) != BITMAP_BUFFER_TOO_SMALL) std::abort();
        return 0;
    }
    // An exact-size heap buffer, so a write one byte too far is caught.
    uint8_t *rgb = static_cast<uint8_t *>(std::malloc(pixels * 3));
    if (rgb == nullptr) return 0;
    BitmapStatus status = DecodeBitmap(data, size, rgb, pixels * 3);
    if (status == BITMAP_OK) {
        // Every pixel of a successful decode is written: reading them is defined.
        volatile uint32_t sum = 0;
        for (size_t i = 0; i < pixels * 3; ++i) sum = sum + rgb[i];
    }
    std::free(rgb);
    return 0;
}
