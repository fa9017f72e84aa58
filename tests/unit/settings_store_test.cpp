// settings_store_test.cpp -- LoadSettings and SaveSettings against the in-memory registry key
#include <gtest/gtest.h>

#include <cstring>

#include "common/message_box_fake.h"
#include "settings/registry.h"
#include "settings/registry_fake.h"
#include "settings/settings_store.h"

namespace {

// Values left in memory must not pass for loaded ones.
const SettingsStore SCRAMBLED = {7, 7, 7, -7, -7, "previous"};

void ExpectSettings(const SettingsStore &expected) {
    EXPECT_EQ(settings.scoreSubmitted, expected.scoreSubmitted);
    EXPECT_EQ(settings.fullDetail, expected.fullDetail);
    EXPECT_EQ(settings.lightingFx, expected.lightingFx);
    EXPECT_EQ(settings.highScore, expected.highScore);
    EXPECT_EQ(settings.highScoreCharacter, expected.highScoreCharacter);
    EXPECT_STREQ(settings.highScoreName, expected.highScoreName);
}

void PutDword(const char *name, uint32_t value) { PutFakeRegistryValue(name, REGISTRY_TYPE_DWORD, &value, 4); }

// The stored value's type, size and bytes.
uint32_t Stored(const char *name, void *data, uint32_t *size) {
    uint32_t type = 0;
    EXPECT_TRUE(GetFakeRegistryValue(name, &type, data, size)) << name;
    return type;
}

}  // namespace

TEST(SettingsStore, WithoutTheKeyEveryValueTakesItsDefaultAndNothingIsCreated) {
    settings = SCRAMBLED;
    EXPECT_TRUE(LoadSettings());
    ExpectSettings(SettingsStore{});
    EXPECT_FALSE(FakeRegistryKeyExists());
    EXPECT_EQ(FakeMessageLog().count, 0);
}

TEST(SettingsStore, FlagsBecomeZeroOrOneAndOddValuesReadSafely) {
    PutDword("Full Detail", 2);
    PutFakeRegistryValue("Lighting FX", REGISTRY_TYPE_DWORD, "", 0);  // holds no bytes: as if missing
    PutDword("Harlan Voss", 0x80000000u);
    PutFakeRegistryValue("HiScore", REGISTRY_TYPE_SZ, "123456", 7);  // more than a 32-bit value holds
    const uint8_t twoBytes[2] = {0x34, 0x12};
    PutFakeRegistryValue("HiScore Ch", REGISTRY_TYPE_BINARY, twoBytes, 2);
    PutFakeRegistryValue("HiScore Name", REGISTRY_TYPE_BINARY, "ZED", 4);  // not a string
    settings = SCRAMBLED;
    LoadSettings();
    // A short value is zero-extended, never stack garbage.
    ExpectSettings(SettingsStore{1, 1, 1, 0, 0x1234, "Quillon"});
    ASSERT_TRUE(SaveSettings());
    uint32_t size = 0, stored = 0;
    EXPECT_EQ(Stored("Full Detail", &stored, &size), REGISTRY_TYPE_DWORD);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(stored, 1u);
}

TEST(SettingsStore, NamesAreReadOnlyWhenTheyFitAndAlwaysEndInsideTheBuffer) {
    char unterminated[79];  // exactly fills the read buffer, no NUL
    std::memset(unterminated, 'X', sizeof unterminated);
    char overLong[200];
    std::memset(overLong, 'Y', sizeof overLong);
    overLong[199] = 0;
    const struct {
        const void *bytes;
        uint32_t size;
        const char *loaded;
    } cases[] = {
        {"ABCDEFGHIJ", 11, "ABCDEFGHIJ"},
        {"ABCDEFGHIJK", 12, "ABCDEFGHIJ"},  // too long: the previous name stays
        {"", 1, ""},
        {"BOB", 3, "BOB"},  // no NUL stored
        {unterminated, sizeof unterminated, "BOB"},
        {overLong, sizeof overLong, "Quillon"},  // unreadable: the default, which fits
        {"AL\0EXTRA", 9, "AL"},
    };
    for (const auto &c : cases) {
        PutFakeRegistryValue("HiScore Name", REGISTRY_TYPE_SZ, c.bytes, c.size);
        LoadSettings();
        EXPECT_STREQ(settings.highScoreName, c.loaded) << c.size;
    }
}

TEST(SettingsStore, SaveThenLoadGivesTheSameSixValuesAndNeverWritesPastTheName) {
    const SettingsStore saved = {1, 0, 1, -987654, 2, "ZED9"};  // a negative score keeps its sign through the DWORD
    settings = saved;
    ASSERT_TRUE(SaveSettings());
    char name[64] = "";
    uint32_t size = 0;
    EXPECT_EQ(Stored("HiScore Name", name, &size), REGISTRY_TYPE_SZ);
    EXPECT_EQ(size, 5u);  // with its NUL
    settings = SCRAMBLED;
    LoadSettings();
    ExpectSettings(saved);

    std::memset(settings.highScoreName, 'Q', sizeof settings.highScoreName);  // unterminated in memory
    ASSERT_TRUE(SaveSettings());
    Stored("HiScore Name", name, &size);
    EXPECT_EQ(size, static_cast<uint32_t>(HIGH_SCORE_NAME_SIZE));
    EXPECT_STREQ(name, "QQQQQQQQQQQ");
}

TEST(SettingsStore, AKeyThatCannotBeCreatedIsReported) {
    FailFakeRegistryCreate(5);
    EXPECT_FALSE(SaveSettings());
    EXPECT_FALSE(FakeRegistryKeyExists());
    EXPECT_EQ(FakeMessageLog().count, 1);
    EXPECT_STREQ(FakeMessageLog().lastCaption, "GetLastError");
    EXPECT_EQ(FakeMessageLog().lastIcon, MESSAGE_ICON_INFORMATION);
}
