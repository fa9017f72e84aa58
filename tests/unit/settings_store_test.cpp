// settings_store_test.cpp -- LoadSettings and SaveSettings against the in-memory registry key
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "common/message_box_fake.h"
#include "settings/registry.h"
#include "settings/registry_fake.h"
#include "settings/settings_store.h"

namespace {

// Values left in memory must not pass for loaded ones.
const SettingsStore SCRAMBLED = {7, 7, 7, -7, -7, "previous"};

// The six values, comparable and printable.
auto Fields(const SettingsStore &s) {
    return std::make_tuple(+s.scoreSubmitted, +s.fullDetail, +s.lightingFx, s.highScore, s.highScoreCharacter,
                           std::string(s.highScoreName));
}

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
    EXPECT_EQ(Fields(settings), Fields(SettingsStore{}));
    EXPECT_FALSE(FakeRegistryKeyExists());
    EXPECT_EQ(FakeMessageLog().count, 0);
}

TEST(SettingsStore, FlagsBecomeZeroOrOneAndOddValuesReadSafely) {
    PutFakeRegistryValue("Full Detail", REGISTRY_TYPE_DWORD, "\2\0\0\0", 4);
    PutFakeRegistryValue("Lighting FX", REGISTRY_TYPE_DWORD, "", 0);  // holds no bytes: as if missing
    PutFakeRegistryValue("Harlan Voss", REGISTRY_TYPE_DWORD, "\0\0\0\x80", 4);  // only the top bit set
    PutFakeRegistryValue("HiScore", REGISTRY_TYPE_SZ, "123456", 7);  // more than a 32-bit value holds
    PutFakeRegistryValue("HiScore Ch", REGISTRY_TYPE_BINARY, "\x34\x12", 2);
    PutFakeRegistryValue("HiScore Name", REGISTRY_TYPE_BINARY, "ZED", 4);  // not a string
    settings = SCRAMBLED;
    LoadSettings();
    // A short value is zero-extended, never stack garbage.
    EXPECT_EQ(Fields(settings), Fields(SettingsStore{1, 1, 1, 0, 0x1234, "Quillon"}));
}

TEST(SettingsStore, NamesAreReadOnlyWhenTheyFitAndAlwaysEndInsideTheBuffer) {
    const std::string unterminated(79, 'X'), overLong(199, 'Y');  // the first exactly fills the read buffer
    const struct { const void *bytes; uint32_t size; const char *loaded; } cases[] = {
        {"ABCDEFGHIJ", 11, "ABCDEFGHIJ"},
        {"ABCDEFGHIJK", 12, "ABCDEFGHIJ"},  // too long: the previous name stays
        {"", 1, ""},
        {"BOB", 3, "BOB"},  // no NUL stored
        {unterminated.data(), 79, "BOB"},  // stored without its NUL
        {overLong.c_str(), 200, "Quillon"},  // unreadable: the default, which fits
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
    EXPECT_EQ(Stored("HiScore", name, &size), REGISTRY_TYPE_DWORD);  // its bytes: the load below
    EXPECT_EQ(Stored("HiScore Name", name, &size), REGISTRY_TYPE_SZ);
    EXPECT_EQ(size, 5u);  // with its NUL
    settings = SCRAMBLED;
    LoadSettings();
    EXPECT_EQ(Fields(settings), Fields(saved));

    std::memset(settings.highScoreName, 'Q', sizeof settings.highScoreName);  // unterminated in memory
    ASSERT_TRUE(SaveSettings());
    Stored("HiScore Name", name, &size);
    EXPECT_EQ(size, static_cast<uint32_t>(HIGH_SCORE_NAME_SIZE));
    EXPECT_STREQ(name, "QQQQQQQQQQQ");
}

TEST(SettingsStore, AKeyThatCannotBeCreatedIsReported) {
    FailFakeRegistryCreate(5);
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(FakeMessageLog().count, 1);
    EXPECT_STREQ(FakeMessageLog().lastCaption, "GetLastError");
    EXPECT_EQ(FakeMessageLog().lastIcon, MESSAGE_ICON_INFORMATION);
}
