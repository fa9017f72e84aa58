// point_map_source.h -- the pixels of a still's point map, decoded from its bitmap resource
#pragma once

#include <cstdint>

struct PointMapPixels {
    const uint8_t *rgb;  // null when the bitmap could not be read
    int bytesPerPixel;
    int width, height;   // row 0 at the top
};

// The returned pixels stay valid until the next call.
PointMapPixels ReadPointMapPixels(int bitmapId, int width, int height);
