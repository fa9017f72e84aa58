// registry.h -- the settings key of the current user, as the settings store needs it
#pragma once

#include <cstdint>

// An open key; null when the key could not be opened.
typedef void *RegistryKey;

const uint32_t REGISTRY_TYPE_SZ = 1;      // REG_SZ
const uint32_t REGISTRY_TYPE_BINARY = 3;  // REG_BINARY
const uint32_t REGISTRY_TYPE_DWORD = 4;   // REG_DWORD

// HKEY_CURRENT_USER "Software\QuillonCreations\KVRNPSS".
RegistryKey OpenSettingsKeyForReading();  // null when missing or unreadable
// Creates the key when missing. On failure answers null and sets *errorCode.
RegistryKey CreateSettingsKeyForWriting(uint32_t *errorCode);
void CloseSettingsKey(RegistryKey key);  // a null key is ignored

// RegQueryValueExA's rule: succeeds when the value exists and fits in
// *size bytes; then *size holds the stored length and *type the stored type.
// The bytes are copied as stored (a string need not end with a NUL). A null
// key always fails.
bool QueryRegistryValue(RegistryKey key, const char *name, void *buffer, uint32_t *size, uint32_t *type);
void SetRegistryValue(RegistryKey key, const char *name, uint32_t type, const void *data, uint32_t size);

// The system's text for an error code, NUL-terminated within `size` bytes.
void RegistryErrorText(uint32_t errorCode, char *text, uint32_t size);
