// registry_native.cpp -- an in-memory settings key standing in for the registry
#include <cstdio>
#include <cstring>

#include "settings/native_registry.h"
#include "settings/registry.h"

struct StoredValue {
    bool used;
    char name[64];
    uint32_t type;
    uint32_t size;
    uint8_t data[NATIVE_REGISTRY_MAX_BYTES];
};

static struct {
    bool exists;
    uint32_t failCreateWith;
    StoredValue values[NATIVE_REGISTRY_MAX_VALUES];
} nativeKey;

// Any non-null value serves as the open handle; there is one key.
static char keyHandle;

static StoredValue *FindValue(const char *name) {
    for (StoredValue &value : nativeKey.values)
        if (value.used && std::strcmp(value.name, name) == 0) return &value;
    return nullptr;
}

void ClearNativeRegistry() { nativeKey = {}; }
bool NativeRegistryKeyExists() { return nativeKey.exists; }
void FailNativeRegistryCreate(uint32_t errorCode) { nativeKey.failCreateWith = errorCode; }

void PutNativeRegistryValue(const char *name, uint32_t type, const void *data, uint32_t size) {
    nativeKey.exists = true;
    StoredValue *value = FindValue(name);
    for (int i = 0; !value && i < NATIVE_REGISTRY_MAX_VALUES; ++i)
        if (!nativeKey.values[i].used) value = &nativeKey.values[i];
    if (!value) return;
    value->used = true;
    std::snprintf(value->name, sizeof value->name, "%s", name);
    value->type = type;
    value->size = size < NATIVE_REGISTRY_MAX_BYTES ? size : NATIVE_REGISTRY_MAX_BYTES;
    std::memcpy(value->data, data, value->size);
}

bool GetNativeRegistryValue(const char *name, uint32_t *type, void *data, uint32_t *size) {
    const StoredValue *value = FindValue(name);
    if (!value) return false;
    *type = value->type;
    *size = value->size;
    std::memcpy(data, value->data, value->size);
    return true;
}

RegistryKey OpenSettingsKeyForReading() { return nativeKey.exists ? &keyHandle : nullptr; }

RegistryKey CreateSettingsKeyForWriting(uint32_t *errorCode) {
    if (nativeKey.failCreateWith) {
        *errorCode = nativeKey.failCreateWith;
        return nullptr;
    }
    nativeKey.exists = true;
    return &keyHandle;
}

void CloseSettingsKey(RegistryKey) {}

bool QueryRegistryValue(RegistryKey key, const char *name, void *buffer, uint32_t *size) {
    if (!key) return false;
    const StoredValue *value = FindValue(name);
    if (!value || value->size > *size) return false;  // ERROR_MORE_DATA leaves the buffer alone too
    std::memcpy(buffer, value->data, value->size);
    *size = value->size;
    return true;
}

void SetRegistryValue(RegistryKey key, const char *name, uint32_t type, const void *data, uint32_t size) {
    if (key) PutNativeRegistryValue(name, type, data, size);
}

void RegistryErrorText(uint32_t errorCode, char *text, uint32_t size) {
    std::snprintf(text, size, "Error %lu", static_cast<unsigned long>(errorCode));
}
