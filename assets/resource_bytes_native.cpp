// resource_bytes_native.cpp -- bitmap resources from the table embedded at build time
#include "assets/resource_bytes.h"

#include "assets/embedded_bitmaps.h"

ResourceBytes FindBitmapResource(int bitmapId) {
    for (int i = 0; i < embeddedBitmapCount; ++i) {
        if (embeddedBitmaps[i].id == bitmapId) return ResourceBytes{embeddedBitmaps[i].data, embeddedBitmaps[i].size};
    }
    return ResourceBytes{nullptr, 0};
}
