// settings_store.cpp -- LoadSettings and SaveSettings over the registry seam
#include "settings/settings_store.h"

#include <cstring>

#include "common/message_box.h"
#include "settings/registry.h"

SettingsStore settings;

static const char DEFAULT_NAME[] = "Quillon";
static const uint32_t NAME_READ_BYTES = 79;  // at most 78 characters and the NUL
static const size_t LONGEST_NAME = 10;

// A value that holds no bytes counts as missing. The type is not examined: a
// shorter value reads zero-extended, a longer one as missing.
static uint32_t ReadDword(RegistryKey key, const char *name, uint32_t fallback) {
    uint8_t bytes[4] = {0, 0, 0, 0};
    uint32_t size = sizeof bytes, type = 0;
    if (!QueryRegistryValue(key, name, bytes, &size, &type) || size == 0) return fallback;
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Only a string value that holds bytes replaces the default. The string is
// always NUL-terminated inside `text`: a stored one need not end with a NUL.
static void ReadString(RegistryKey key, const char *name, const char *fallback, char (&text)[NAME_READ_BYTES + 1]) {
    uint32_t size = NAME_READ_BYTES, type = 0;
    if (!QueryRegistryValue(key, name, text, &size, &type) || size == 0 || type != REGISTRY_TYPE_SZ) {
        std::strcpy(text, fallback);
        return;
    }
    text[size] = 0;
}

static void WriteDword(RegistryKey key, const char *name, uint32_t value) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    SetRegistryValue(key, name, REGISTRY_TYPE_DWORD, bytes, sizeof bytes);
}

static void WriteString(RegistryKey key, const char *name, const char *text) {
    SetRegistryValue(key, name, REGISTRY_TYPE_SZ, text, static_cast<uint32_t>(std::strlen(text) + 1));
}

bool LoadSettings() {
    const RegistryKey key = OpenSettingsKeyForReading();
    settings.scoreSubmitted = ReadDword(key, "Harlan Voss", 0) != 0;
    settings.fullDetail = ReadDword(key, "Full Detail", 1) != 0;
    settings.lightingFx = ReadDword(key, "Lighting FX", 1) != 0;
    settings.highScore = static_cast<int32_t>(ReadDword(key, "HiScore", 0));
    settings.highScoreCharacter = static_cast<int32_t>(ReadDword(key, "HiScore Ch", 0));
    char name[NAME_READ_BYTES + 1];
    ReadString(key, "HiScore Name", DEFAULT_NAME, name);
    // A name too long for the buffer is ignored; the previous one stays.
    if (std::strlen(name) <= LONGEST_NAME) std::memcpy(settings.highScoreName, name, std::strlen(name) + 1);
    CloseSettingsKey(key);
    return true;
}

// The key for a save; null after the user has been shown why it cannot be created.
static RegistryKey CreateKeyForSaving() {
    uint32_t errorCode = 0;
    const RegistryKey key = CreateSettingsKeyForWriting(&errorCode);
    if (!key) {
        char text[512];
        RegistryErrorText(errorCode, text, sizeof text);
        ShowInformationMessage(text, "GetLastError");
    }
    return key;
}

bool SaveSubmittedFlag() {
    const RegistryKey key = CreateKeyForSaving();
    if (!key) return false;
    WriteDword(key, "Harlan Voss", settings.scoreSubmitted ? 1 : 0);
    CloseSettingsKey(key);
    return true;
}

bool SaveSettings() {
    const RegistryKey key = CreateKeyForSaving();
    if (!key) return false;
    WriteDword(key, "Harlan Voss", settings.scoreSubmitted ? 1 : 0);
    WriteDword(key, "Full Detail", settings.fullDetail ? 1 : 0);
    WriteDword(key, "Lighting FX", settings.lightingFx ? 1 : 0);
    WriteDword(key, "HiScore", static_cast<uint32_t>(settings.highScore));
    WriteDword(key, "HiScore Ch", static_cast<uint32_t>(settings.highScoreCharacter));
    // The name buffer may have been edited in place: never write past it.
    char name[HIGH_SCORE_NAME_SIZE];
    std::memcpy(name, settings.highScoreName, sizeof name);
    name[HIGH_SCORE_NAME_SIZE - 1] = 0;
    WriteString(key, "HiScore Name", name);
    CloseSettingsKey(key);
    return true;
}
