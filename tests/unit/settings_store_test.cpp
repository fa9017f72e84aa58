// settings_store_test.cpp -- LoadSettings and SaveSettings against the in-memory registry key
#include <gtest/gtest.h>

#include <cstring>

#include "common/message_box_fake.h"
#include "settings/registry.h"
#include "settings/registry_fake.h"
#include "settings/settings_store.h"

namespace {

void PutDword(const char *name, uint32_t value) { PutFakeRegistryValue(name, REGISTRY_TYPE_DWORD, &value, 4); }

void SetMemory(uint8_t submitted, uint8_t detail, uint8_t lighting, int32_t score, int32_t character, const char *name) {
    settings.scoreSubmitted = submitted;
    settings.fullDetail = detail;
    settings.lightingFx = lighting;
    settings.highScore = score;
    settings.highScoreCharacter = character;
    std::strcpy(settings.highScoreName, name);
}

void ExpectMemory(int submitted, int detail, int lighting, int32_t score, int32_t character, const char *name) {
    EXPECT_EQ(settings.scoreSubmitted, submitted);
    EXPECT_EQ(settings.fullDetail, detail);
    EXPECT_EQ(settings.lightingFx, lighting);
    EXPECT_EQ(settings.highScore, score);
    EXPECT_EQ(settings.highScoreCharacter, character);
    EXPECT_STREQ(settings.highScoreName, name);
}

// Values left in memory must not pass for loaded ones.
void ScrambleMemory() { SetMemory(7, 7, 7, -7, -7, "previous"); }

// The stored name after a load of the given registry bytes.
const char *LoadName(const void *bytes, uint32_t size) {
    PutFakeRegistryValue("HiScore Name", REGISTRY_TYPE_SZ, bytes, size);
    LoadSettings();
    return settings.highScoreName;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearFakeRegistry();
        ClearFakeMessageLog();
        ScrambleMemory();
    }
    void TearDown() override {
        ClearFakeRegistry();
        FailFakeRegistryCreate(0);
        SetMemory(0, 1, 1, 0, 0, "Quillon");
    }
};

}  // namespace

TEST_F(SettingsStoreTest, WithoutTheKeyEveryValueTakesItsDefaultAndNothingIsCreated) {
    EXPECT_TRUE(LoadSettings());
    ExpectMemory(0, 1, 1, 0, 0, "Quillon");
    EXPECT_FALSE(FakeRegistryKeyExists());
    EXPECT_EQ(FakeMessageLog().count, 0);
}

TEST_F(SettingsStoreTest, FlagsBecomeZeroOrOneAndOddValuesReadSafely) {
    PutDword("Full Detail", 2);
    PutDword("Lighting FX", 0);
    PutDword("Harlan Voss", 0x80000000u);
    PutFakeRegistryValue("HiScore", REGISTRY_TYPE_SZ, "123456", 7);  // more than a 32-bit value holds
    const uint8_t twoBytes[2] = {0x34, 0x12};
    PutFakeRegistryValue("HiScore Ch", 3 /* REG_BINARY */, twoBytes, 2);
    LoadSettings();
    // A short value is zero-extended, never stack garbage.
    ExpectMemory(1, 1, 0, 0, 0x1234, "Quillon");
    ASSERT_TRUE(SaveSettings());
    uint32_t type = 0, size = 0, stored = 0;
    ASSERT_TRUE(GetFakeRegistryValue("Full Detail", &type, &stored, &size));
    EXPECT_EQ(type, REGISTRY_TYPE_DWORD);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(stored, 1u);
}

TEST_F(SettingsStoreTest, NamesAreReadOnlyWhenTheyFitAndAlwaysEndInsideTheBuffer) {
    char unterminated[79];  // exactly fills the read buffer, no NUL
    std::memset(unterminated, 'X', sizeof unterminated);
    char overLong[200];
    std::memset(overLong, 'Y', sizeof overLong);
    overLong[199] = 0;
    EXPECT_STREQ(LoadName("ABCDEFGHIJ", 11), "ABCDEFGHIJ");
    EXPECT_STREQ(LoadName("ABCDEFGHIJK", 12), "ABCDEFGHIJ") << "too long: the previous name stays";
    EXPECT_STREQ(LoadName("", 1), "");
    EXPECT_STREQ(LoadName("BOB", 3), "BOB") << "no NUL stored";
    EXPECT_STREQ(LoadName(unterminated, sizeof unterminated), "BOB");
    EXPECT_STREQ(LoadName(overLong, sizeof overLong), "Quillon") << "unreadable: the default, which fits";
    EXPECT_STREQ(LoadName("AL\0EXTRA", 9), "AL");
}

TEST_F(SettingsStoreTest, SaveThenLoadGivesTheSameSixValues) {
    SetMemory(1, 0, 1, -987654, 2, "ZED9");  // a negative score keeps its sign through the DWORD
    ASSERT_TRUE(SaveSettings());
    uint32_t type = 0, size = 0;
    char name[32] = "";
    ASSERT_TRUE(GetFakeRegistryValue("HiScore Name", &type, name, &size));
    EXPECT_EQ(type, REGISTRY_TYPE_SZ);
    EXPECT_EQ(size, 5u);  // with its NUL
    ScrambleMemory();
    LoadSettings();
    ExpectMemory(1, 0, 1, -987654, 2, "ZED9");
}

TEST_F(SettingsStoreTest, SavingNeverWritesPastTheNameAndReportsAKeyItCannotCreate) {
    std::memset(settings.highScoreName, 'Q', sizeof settings.highScoreName);  // unterminated in memory
    ASSERT_TRUE(SaveSettings());
    uint32_t type = 0, size = 0;
    char name[64] = "";
    ASSERT_TRUE(GetFakeRegistryValue("HiScore Name", &type, name, &size));
    EXPECT_EQ(size, static_cast<uint32_t>(HIGH_SCORE_NAME_SIZE));
    EXPECT_STREQ(name, "QQQQQQQQQQQ");

    ClearFakeRegistry();
    FailFakeRegistryCreate(5);
    EXPECT_FALSE(SaveSettings());
    EXPECT_FALSE(FakeRegistryKeyExists());
    EXPECT_EQ(FakeMessageLog().count, 1);
    EXPECT_STREQ(FakeMessageLog().lastCaption, "GetLastError");
    EXPECT_EQ(FakeMessageLog().lastIcon, MESSAGE_ICON_INFORMATION);
}
