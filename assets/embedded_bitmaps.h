// embedded_bitmaps.h -- the native build's copy of the bitmap resources, generated from resources/bitmaps.rc
#pragma once

#include <cstddef>
#include <cstdint>

struct EmbeddedBitmap {
    int id;
    const uint8_t *data;  // the DIB, without the file header
    size_t size;
};

// Defined in the generated embedded_bitmaps.cpp (cmake/native-resources.cmake).
extern const EmbeddedBitmap embeddedBitmaps[];
extern const int embeddedBitmapCount;
