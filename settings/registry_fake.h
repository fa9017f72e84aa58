// registry_fake.h -- the in-memory settings key of the native build (tests inspect and preload it)
#pragma once

#include <cstdint>

const int FAKE_REGISTRY_MAX_VALUES = 16;
const int FAKE_REGISTRY_MAX_BYTES = 256;

// Removes the key and every value; creating it works again.
void ClearFakeRegistry();
bool FakeRegistryKeyExists();
// Stores raw bytes of any type and size (up to the maximum), creating the key.
void PutFakeRegistryValue(const char *name, uint32_t type, const void *data, uint32_t size);
// Copies a stored value; false when missing. *size receives the stored length.
bool GetFakeRegistryValue(const char *name, uint32_t *type, void *data, uint32_t *size);
// Makes the next creations of the key fail with this code (0: succeed again).
void FailFakeRegistryCreate(uint32_t errorCode);
