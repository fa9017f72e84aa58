// registry_fake.cpp -- an in-memory settings key standing in for the registry
#include <cstdio>
#include <cstring>

#include "settings/registry.h"
#include "settings/registry_fake.h"

struct StoredValue {
    bool used;
    char name[64];
    uint32_t type;
    uint32_t size;
    uint8_t data[FAKE_REGISTRY_MAX_BYTES];
};

static struct {
    bool exists;
    uint32_t failCreateWith;
    StoredValue values[FAKE_REGISTRY_MAX_VALUES];
} fakeKey;

// Any non-null value serves as the open handle; there is one key.
static char keyHandle;

static StoredValue *FindValue(const char *name) {
    for (StoredValue &value : fakeKey.values)
        if (value.used && std::strcmp(value.name, name) == 0) return &value;
    return nullptr;
}

void ClearFakeRegistry() { fakeKey = {}; }
bool FakeRegistryKeyExists() { return fakeKey.exists; }
void FailFakeRegistryCreate(uint32_t errorCode) { fakeKey.failCreateWith = errorCode; }

void PutFakeRegistryValue(const char *name, uint32_t type, const void *data, uint32_t size) {
    fakeKey.exists = true;
    StoredValue *value = FindValue(name);
    for (int i = 0; !value && i < FAKE_REGISTRY_MAX_VALUES; ++i)
        if (!fakeKey.values[i].used) value = &fakeKey.values[i];
    if (!value) return;
    value->used = true;
    std::snprintf(value->name, sizeof value->name, "%s", name);
    value->type = type;
    value->size = size < FAKE_REGISTRY_MAX_BYTES ? size : FAKE_REGISTRY_MAX_BYTES;
    std::memcpy(value->data, data, value->size);
}

bool GetFakeRegistryValue(const char *name, uint32_t *type, void *data, uint32_t *size) {
    const StoredValue *value = FindValue(name);
    if (!value) return false;
    *type = value->type;
    *size = value->size;
    std::memcpy(data, value->data, value->size);
    return true;
}

RegistryKey OpenSettingsKeyForReading() { return fakeKey.exists ? &keyHandle : nullptr; }

RegistryKey CreateSettingsKeyForWriting(uint32_t *errorCode) {
    if (fakeKey.failCreateWith) {
        *errorCode = fakeKey.failCreateWith;
        return nullptr;
    }
    fakeKey.exists = true;
    return &keyHandle;
}

void CloseSettingsKey(RegistryKey) {}

bool QueryRegistryValue(RegistryKey key, const char *name, void *buffer, uint32_t *size, uint32_t *type) {
    if (!key) return false;
    const StoredValue *value = FindValue(name);
    if (!value || value->size > *size) return false;  // ERROR_MORE_DATA leaves the buffer alone too
    std::memcpy(buffer, value->data, value->size);
    *size = value->size;
    *type = value->type;
    return true;
}

void SetRegistryValue(RegistryKey key, const char *name, uint32_t type, const void *data, uint32_t size) {
    if (key) PutFakeRegistryValue(name, type, data, size);
}

void RegistryErrorText(uint32_t errorCode, char *text, uint32_t size) {
    std::snprintf(text, size, "Error %lu", static_cast<unsigned long>(errorCode));
}
