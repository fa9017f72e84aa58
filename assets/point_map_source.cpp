// point_map_source.cpp -- the pixels of a still's point map, decoded from its bitmap resource
#include "assets/point_map_source.h"

#include "assets/bitmap_decoder.h"
#include "assets/resource_bytes.h"

// The largest still is 256 x 256. A fixed buffer, because a new still starts
// inside a frame, where nothing is allocated.
const int POINT_MAP_MAX_SIDE = 256;
static uint8_t pointMapRgb[POINT_MAP_MAX_SIDE * POINT_MAP_MAX_SIDE * 3];

PointMapPixels ReadPointMapPixels(int bitmapId, int width, int height) {
    const PointMapPixels none{nullptr, 3, width, height};
    const ResourceBytes bytes = FindBitmapResource(bitmapId);
    if (bytes.data == nullptr) return none;
    BitmapInfo info{};
    if (ReadBitmapInfo(bytes.data, bytes.size, &info) != BITMAP_OK) return none;
    // A map of another size than its still would put the sparks in the wrong places.
    if (info.width != width || info.height != height) return none;
    if (DecodeBitmap(bytes.data, bytes.size, pointMapRgb, sizeof pointMapRgb) != BITMAP_OK) return none;
    return PointMapPixels{pointMapRgb, 3, width, height};
}
