// resource_bytes_fake.cpp -- bitmap resources from the table embedded at build time, or put there by tests
#include "assets/resource_bytes.h"

#include "assets/embedded_bitmaps.h"
#include "assets/resource_bytes_fake.h"

namespace {

struct TestBitmap {
    int id;
    ResourceBytes bytes;
};

const int MAX_TEST_BITMAPS = 8;
TestBitmap testBitmaps[MAX_TEST_BITMAPS];
int testBitmapCount = 0;

}  // namespace

bool SetTestBitmapResource(int bitmapId, const uint8_t *dib, size_t size) {
    for (int i = 0; i < testBitmapCount; ++i) {
        if (testBitmaps[i].id == bitmapId) {
            testBitmaps[i].bytes = ResourceBytes{dib, size};
            return true;
        }
    }
    if (testBitmapCount == MAX_TEST_BITMAPS) return false;
    testBitmaps[testBitmapCount++] = TestBitmap{bitmapId, ResourceBytes{dib, size}};
    return true;
}

void ClearTestBitmapResources() { testBitmapCount = 0; }

ResourceBytes FindBitmapResource(int bitmapId) {
    for (int i = 0; i < testBitmapCount; ++i) {
        if (testBitmaps[i].id == bitmapId) return testBitmaps[i].bytes;
    }
    for (int i = 0; i < embeddedBitmapCount; ++i) {
        if (embeddedBitmaps[i].id == bitmapId) return ResourceBytes{embeddedBitmaps[i].data, embeddedBitmaps[i].size};
    }
    return ResourceBytes{nullptr, 0};
}
