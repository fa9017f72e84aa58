// registry_win32.cpp -- the settings key on the Windows registry
#include <windows.h>

#include <cstdio>

#include "settings/registry.h"

static const char SETTINGS_KEY[] = "Software\\QuillonCreations\\KVRNPSS";

RegistryKey OpenSettingsKeyForReading() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    return key;
}

RegistryKey CreateSettingsKeyForWriting(uint32_t *errorCode) {
    HKEY key = nullptr;
    char noClass[] = "";
    const LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                        nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS) {
        *errorCode = static_cast<uint32_t>(result);
        return nullptr;
    }
    return key;
}

void CloseSettingsKey(RegistryKey key) {
    if (key) RegCloseKey(static_cast<HKEY>(key));
}

bool QueryRegistryValue(RegistryKey key, const char *name, void *buffer, uint32_t *size, uint32_t *type) {
    if (!key) return false;
    DWORD length = *size, storedType = 0;
    if (RegQueryValueExA(static_cast<HKEY>(key), name, nullptr, &storedType, static_cast<BYTE *>(buffer), &length) !=
        ERROR_SUCCESS)
        return false;
    *size = length;
    *type = storedType;
    return true;
}

void SetRegistryValue(RegistryKey key, const char *name, uint32_t type, const void *data, uint32_t size) {
    RegSetValueExA(static_cast<HKEY>(key), name, 0, type, static_cast<const BYTE *>(data), size);
}

void RegistryErrorText(uint32_t errorCode, char *text, uint32_t size) {
    char *systemText = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, errorCode,
                                        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char *>(&systemText),
                                        0, nullptr);
    if (length && systemText)
        std::snprintf(text, size, "%s", systemText);
    else
        std::snprintf(text, size, "Error %lu", static_cast<unsigned long>(errorCode));
    if (systemText) LocalFree(systemText);
}
