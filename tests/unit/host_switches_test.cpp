// host_switches_test.cpp -- the command-line switches, window handles and the program-name skip
#include <gtest/gtest.h>

#include "host/saver_host.h"

TEST(SaverSwitches, EveryRowOfTheSwitchTable) {
    const struct { const char *text; bool win95; int mode; uint32_t window; bool foreground; } switchTable[] = {
        // text                    win95  mode                       handle  owner from foreground
        {"",                       false, SAVER_MODE_SETTINGS,        0,      false},
        {"  -/ s",                 false, SAVER_MODE_FULL_SCREEN,     0,      false},
        {"/Sxyz 99",               false, SAVER_MODE_FULL_SCREEN,     0,      false},
        {"/p 1234",                false, SAVER_MODE_PREVIEW,         1234,   false},
        {"P1234",                  false, SAVER_MODE_PREVIEW,         1234,   false},
        {"/l   77x",               false, SAVER_MODE_PREVIEW,         77,     false},
        {"/p 0",                   false, SAVER_MODE_REFUSE,          0,      false},
        {"C:4321junk",             false, SAVER_MODE_SETTINGS,        4321,   true},
        {"/c 4321",                false, SAVER_MODE_SETTINGS,        0,      true},
        {"/c: 4321",               false, SAVER_MODE_SETTINGS,        0,      true},
        {"/a 99",                  false, SAVER_MODE_REFUSE,          0,      false},
        {"/a 99",                  true,  SAVER_MODE_CHANGE_PASSWORD, 99,     true},
        {"A",                      true,  SAVER_MODE_CHANGE_PASSWORD, 0,      true},
        {"\t/s",                   false, SAVER_MODE_REFUSE,          0,      false},
        {"\xe9",                   false, SAVER_MODE_REFUSE,          0,      false},
    };
    for (const auto &row : switchTable) {
        const SaverSwitch parsed = ParseSaverSwitch(row.text, row.win95);
        EXPECT_EQ(parsed.mode, row.mode) << '"' << row.text << '"';
        EXPECT_EQ(parsed.window, row.window) << '"' << row.text << '"';
        EXPECT_EQ(parsed.ownerFromForeground, row.foreground) << '"' << row.text << '"';
    }
}

TEST(SaverSwitches, WindowHandleDigitsWrapAndStopAtANonDigit) {
    EXPECT_EQ(ParseWindowHandle("0012ab3"), 12u);
    EXPECT_EQ(ParseWindowHandle(" 12"), 0u);  // no leading blanks
    EXPECT_EQ(ParseWindowHandle("+12"), 0u);  // no sign
    EXPECT_EQ(ParseWindowHandle("4294967295"), 4294967295u);
    EXPECT_EQ(ParseWindowHandle("4294967296"), 0u);
    EXPECT_EQ(ParseWindowHandle("4294967297"), 1u);
}

TEST(SaverSwitches, ProgramNameAndTheBlanksAfterItAreSkipped) {
    EXPECT_STREQ(SkipProgramName("\"C:\\Program Files\\kvrnpss.scr\" /s"), "/s");
    EXPECT_STREQ(SkipProgramName("\"C:\\a b\\kvrnpss.scr\"/p 12"), "/p 12");
    EXPECT_STREQ(SkipProgramName("kvrnpss.scr\t\t-s"), "-s");
    EXPECT_STREQ(SkipProgramName("kvrnpss.scr"), "");
    EXPECT_STREQ(SkipProgramName("\"unterminated quote /s"), "");
    EXPECT_STREQ(SkipProgramName("  /s"), "/s");  // no name at all
}
