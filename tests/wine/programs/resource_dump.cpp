// resource_dump.cpp -- prints every bitmap resource's size and checksums, to compare the Windows and native builds
//
// Built twice: against the Windows resources (FindResource) and against the
// native embedded table. Both must print the same lines.
#include "assets/bitmap_decoder.h"
#include "assets/resource_bytes.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

static uint32_t Fnv1a(const uint8_t *data, size_t size) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

int main() {
    for (int id = 100; id < 200; ++id) {
        ResourceBytes bytes = FindBitmapResource(id);
        if (bytes.data == nullptr) continue;
        int width = 0, height = 0;
        BitmapStatus status;
        uint8_t *rgb = DecodeBitmapResource(id, &width, &height, &status);
        uint32_t pixels = rgb ? Fnv1a(rgb, static_cast<size_t>(width) * height * 3) : 0;
        std::printf("%d bytes=%lu hash=%08x size=%dx%d status=%s pixels=%08x\n", id,
                    static_cast<unsigned long>(bytes.size), Fnv1a(bytes.data, bytes.size), width, height,
                    BitmapStatusText(status), pixels);
        std::free(rgb);
    }
    return 0;
}
