// native_registry.h -- the in-memory settings key of the native build (tests inspect and preload it)
#pragma once

#include <cstdint>

const int NATIVE_REGISTRY_MAX_VALUES = 16;
const int NATIVE_REGISTRY_MAX_BYTES = 256;

// Removes the key and every value; creating it works again.
void ClearNativeRegistry();
bool NativeRegistryKeyExists();
// Stores raw bytes of any type and size (up to the maximum), creating the key.
void PutNativeRegistryValue(const char *name, uint32_t type, const void *data, uint32_t size);
// Copies a stored value; false when missing. *size receives the stored length.
bool GetNativeRegistryValue(const char *name, uint32_t *type, void *data, uint32_t *size);
// Makes the next creations of the key fail with this code (0: succeed again).
void FailNativeRegistryCreate(uint32_t errorCode);
