// resource_bytes.h -- the stored bytes of a bitmap resource of the program's own module
#pragma once

#include <cstddef>
#include <cstdint>

// A bitmap as the resource holds it: the DIB (info header, colour table,
// pixels) without the 14-byte file header.
struct ResourceBytes {
    const uint8_t *data;
    size_t size;
};

// The bytes of bitmap resource bitmapId, or {nullptr, 0} when the program
// holds no bitmap of that id. The bytes live as long as the program.
ResourceBytes FindBitmapResource(int bitmapId);
