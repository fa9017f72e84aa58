// settings_store_test.cpp -- LoadSettings and SaveSettings against the in-memory registry key
#include <gtest/gtest.h>

#include <cstring>

#include "common/message_log.h"
#include "settings/native_registry.h"
#include "settings/registry.h"
#include "settings/settings_store.h"

namespace {

void PutDword(const char *name, uint32_t value) { PutNativeRegistryValue(name, REGISTRY_TYPE_DWORD, &value, 4); }
void PutString(const char *name, const char *text) {
    PutNativeRegistryValue(name, REGISTRY_TYPE_SZ, text, static_cast<uint32_t>(std::strlen(text) + 1));
}

// Values left in memory must not pass for loaded ones.
void ScrambleMemory() {
    scoreSubmitted = 7;
    fullDetail = 7;
    lightingFx = 7;
    highScore = -7;
    highScoreCharacter = -7;
    std::strcpy(highScoreName, "previous");
}

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        ClearNativeRegistry();
        ClearNativeMessageLog();
        ScrambleMemory();
    }
    void TearDown() override {
        ClearNativeRegistry();
        FailNativeRegistryCreate(0);
        scoreSubmitted = 0;
        fullDetail = lightingFx = 1;
        highScore = highScoreCharacter = 0;
        std::strcpy(highScoreName, "Quillon");
    }
};

}  // namespace

TEST_F(SettingsStore, WithoutTheKeyEveryValueTakesItsDefault) {
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(scoreSubmitted, 0);
    EXPECT_EQ(fullDetail, 1);
    EXPECT_EQ(lightingFx, 1);
    EXPECT_EQ(highScore, 0);
    EXPECT_EQ(highScoreCharacter, 0);
    EXPECT_STREQ(highScoreName, "Quillon");
    EXPECT_FALSE(NativeRegistryKeyExists());  // loading creates nothing
    EXPECT_EQ(NativeMessageLog().count, 0);
}

TEST_F(SettingsStore, FlagsBecomeZeroOrOneAndAreSavedBackSo) {
    PutDword("Full Detail", 2);
    PutDword("Lighting FX", 0);
    PutDword("Harlan Voss", 0x80000000u);
    PutDword("HiScore", static_cast<uint32_t>(-5));
    LoadSettings();
    EXPECT_EQ(fullDetail, 1);
    EXPECT_EQ(lightingFx, 0);
    EXPECT_EQ(scoreSubmitted, 1);
    EXPECT_EQ(highScore, -5);
    ASSERT_TRUE(SaveSettings());
    uint32_t type = 0, size = 0, stored = 0;
    ASSERT_TRUE(GetNativeRegistryValue("Full Detail", &type, &stored, &size));
    EXPECT_EQ(type, REGISTRY_TYPE_DWORD);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(stored, 1u);
}

TEST_F(SettingsStore, ValuesOfTheWrongSizeOrTypeReadSafely) {
    PutString("HiScore", "123456");      // 7 bytes: more than a 32-bit value holds
    const uint8_t twoBytes[2] = {0x34, 0x12};
    PutNativeRegistryValue("HiScore Ch", 3 /* REG_BINARY */, twoBytes, 2);
    LoadSettings();
    EXPECT_EQ(highScore, 0);
    EXPECT_EQ(highScoreCharacter, 0x1234);  // a short value is zero-extended, never stack garbage
}

TEST_F(SettingsStore, NamesOfTenElevenAndZeroCharacters) {
    PutString("HiScore Name", "ABCDEFGHIJ");
    LoadSettings();
    EXPECT_STREQ(highScoreName, "ABCDEFGHIJ");
    PutString("HiScore Name", "ABCDEFGHIJK");
    LoadSettings();
    EXPECT_STREQ(highScoreName, "ABCDEFGHIJ");  // too long: the previous name stays
    PutString("HiScore Name", "");
    LoadSettings();
    EXPECT_STREQ(highScoreName, "");
}

TEST_F(SettingsStore, StoredNamesWithoutTerminatorOrTooLongStayInsideTheBuffer) {
    PutNativeRegistryValue("HiScore Name", REGISTRY_TYPE_SZ, "BOB", 3);  // no NUL stored
    LoadSettings();
    EXPECT_STREQ(highScoreName, "BOB");

    char unterminated[79];
    std::memset(unterminated, 'X', sizeof unterminated);  // exactly fills the read buffer, no NUL
    PutNativeRegistryValue("HiScore Name", REGISTRY_TYPE_SZ, unterminated, sizeof unterminated);
    LoadSettings();
    EXPECT_STREQ(highScoreName, "BOB");

    char overLong[200];
    std::memset(overLong, 'Y', sizeof overLong);
    overLong[199] = 0;
    PutNativeRegistryValue("HiScore Name", REGISTRY_TYPE_SZ, overLong, sizeof overLong);
    LoadSettings();
    EXPECT_STREQ(highScoreName, "Quillon");  // unreadable: the default, which fits

    PutNativeRegistryValue("HiScore Name", REGISTRY_TYPE_SZ, "AL\0EXTRA", 9);
    LoadSettings();
    EXPECT_STREQ(highScoreName, "AL");
}

TEST_F(SettingsStore, SaveThenLoadGivesTheSameSixValues) {
    scoreSubmitted = 1;
    fullDetail = 0;
    lightingFx = 1;
    highScore = 987654;
    highScoreCharacter = 2;
    std::strcpy(highScoreName, "ZED9");
    ASSERT_TRUE(SaveSettings());
    uint32_t type = 0, size = 0;
    char name[32] = "";
    ASSERT_TRUE(GetNativeRegistryValue("HiScore Name", &type, name, &size));
    EXPECT_EQ(type, REGISTRY_TYPE_SZ);
    EXPECT_EQ(size, 5u);  // with its NUL

    ScrambleMemory();
    LoadSettings();
    EXPECT_EQ(scoreSubmitted, 1);
    EXPECT_EQ(fullDetail, 0);
    EXPECT_EQ(lightingFx, 1);
    EXPECT_EQ(highScore, 987654);
    EXPECT_EQ(highScoreCharacter, 2);
    EXPECT_STREQ(highScoreName, "ZED9");
}

TEST_F(SettingsStore, AKeyThatCannotBeCreatedIsReportedOnceAndNothingIsWritten) {
    FailNativeRegistryCreate(5);
    EXPECT_FALSE(SaveSettings());
    EXPECT_FALSE(NativeRegistryKeyExists());
    EXPECT_EQ(NativeMessageLog().count, 1);
    EXPECT_STREQ(NativeMessageLog().lastCaption, "GetLastError");
    EXPECT_EQ(NativeMessageLog().lastIcon, MESSAGE_ICON_INFORMATION);
}

TEST_F(SettingsStore, AnUnterminatedNameInMemoryIsNeverWrittenPastItsBuffer) {
    std::memset(highScoreName, 'Q', sizeof highScoreName);
    ASSERT_TRUE(SaveSettings());
    uint32_t type = 0, size = 0;
    char name[64] = "";
    ASSERT_TRUE(GetNativeRegistryValue("HiScore Name", &type, name, &size));
    EXPECT_EQ(size, static_cast<uint32_t>(HIGH_SCORE_NAME_SIZE));
    EXPECT_STREQ(name, "QQQQQQQQQQQ");
}
