// resource_bytes_win32.cpp -- bitmap resources straight from the executable's own module
#include "assets/resource_bytes.h"

#include <windows.h>

ResourceBytes FindBitmapResource(int bitmapId) {
    // The saver's resources live in its own executable; a resource stays
    // mapped for the life of the module, so nothing is released.
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(bitmapId), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (found == nullptr) return ResourceBytes{nullptr, 0};
    HGLOBAL loaded = LoadResource(module, found);
    DWORD size = SizeofResource(module, found);
    const void *bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return ResourceBytes{nullptr, 0};
    return ResourceBytes{static_cast<const uint8_t *>(bytes), static_cast<size_t>(size)};
}
