// resource_bytes_fake.h -- test hook of the fake resources: bitmaps that replace or add to the embedded ones
#pragma once

#include <cstddef>
#include <cstdint>

// Until cleared, FindBitmapResource(bitmapId) returns these bytes (a DIB, or
// anything a test wants the loader to meet). The bytes are not copied; a
// null dib with size 0 makes the id look missing. At most eight at a time.
bool SetTestBitmapResource(int bitmapId, const uint8_t *dib, size_t size);
void ClearTestBitmapResources();
