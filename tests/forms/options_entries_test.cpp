#include "options_entries.h"

#include <gtest/gtest.h>

#include "error.h"
#include "support/test_platform.h"

namespace vexo::forms {
namespace {

using testing::TestPlatform;

const LocalTime kToday{2008, 3, 5, 14, 7, 9};

TEST(OptionsLoad, WithoutSettingsFileShowsTheDialogsOwnDefaults) {
    TestPlatform platform;
    OptionsEntries e = LoadOptionsEntries();
    EXPECT_EQ(e.counter_text, "1");
    EXPECT_EQ(e.text_before, "");
    EXPECT_EQ(e.prefix_index, 0);
    EXPECT_EQ(e.sep_index, 0);
    EXPECT_EQ(e.text_after, "");
    EXPECT_EQ(e.padding_index, 2);  // "3" digits, not the core's default of 4
    EXPECT_FALSE(e.leading_text);
    EXPECT_EQ(ComposePreview(e, kToday), "001");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(OptionsLoad, ReadsEveryKeyWithQuotedTextsUnquoted) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini",
                           "[Optionen]\r\nTextBefore=\" RE-\"\r\nPrefix=3\r\nSep=2\r\n"
                           "TextAfter=\"/ \"\r\nPadding=3\r\nLeadingText=1\r\n"
                           "[Zaehler]\r\nCounter=17\r\n");
    OptionsEntries e = LoadOptionsEntries();
    EXPECT_EQ(e.text_before, " RE-");
    EXPECT_EQ(e.prefix_index, 3);
    EXPECT_EQ(e.sep_index, 2);
    EXPECT_EQ(e.text_after, "/ ");
    EXPECT_EQ(e.padding_index, 3);
    EXPECT_TRUE(e.leading_text);
    EXPECT_EQ(e.counter_text, "17");
}

struct OutOfRangeCase {
    const char* prefix;
    const char* sep;
    const char* padding;
    int prefix_index, sep_index, padding_index;
};

class HandEditedLists : public ::testing::TestWithParam<OutOfRangeCase> {};

TEST_P(HandEditedLists, AreBroughtIntoTheLists) {
    TestPlatform platform;
    const OutOfRangeCase& c = GetParam();
    platform.WriteDataFile("vexo.ini", std::string("[Optionen]\r\nPrefix=") + c.prefix +
                                           "\r\nSep=" + c.sep + "\r\nPadding=" + c.padding +
                                           "\r\n");
    OptionsEntries e = LoadOptionsEntries();
    EXPECT_EQ(e.prefix_index, c.prefix_index);
    EXPECT_EQ(e.sep_index, c.sep_index);
    EXPECT_EQ(e.padding_index, c.padding_index);
    EXPECT_NO_THROW(ComposePreview(e, kToday));
}

INSTANTIATE_TEST_SUITE_P(Cases, HandEditedLists,
                         ::testing::Values(OutOfRangeCase{"11", "4", "7", 11, 4, 7},
                                           OutOfRangeCase{"12", "5", "8", 0, 0, 7},
                                           OutOfRangeCase{"-1", "-1", "-1", 0, 0, 0},
                                           OutOfRangeCase{"2147483647", "-2147483648", "2147483647",
                                                          0, 0, 7},
                                           OutOfRangeCase{"x", "", "0x2", 0, 0, 2}));

TEST(OptionsPreview, FollowsEveryEntry) {
    TestPlatform platform;
    OptionsEntries e;
    e.counter_text = "17";
    e.padding_index = 3;
    e.prefix_index = 3;  // "Jahr und Monat (JJJJ/MM)"
    e.sep_index = 2;     // "Bindestrich (-)"
    EXPECT_EQ(ComposePreview(e, kToday), "2008-030017");
    e.leading_text = true;
    EXPECT_EQ(ComposePreview(e, kToday), "00172008-03");
    e.text_before = "RE ";
    e.text_after = "/";
    EXPECT_EQ(ComposePreview(e, kToday), "0017RE 2008-03/");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(OptionsPreview, InvalidCounterIsReportedAndPreviewedAsZero) {
    for (const char* text : {"", "abc", "0", "100000000", "-5", "12a"}) {
        TestPlatform platform;
        OptionsEntries e;
        e.counter_text = text;
        EXPECT_EQ(ComposePreview(e, kToday), "000") << text;
        ASSERT_EQ(platform.messages.size(), 1u) << text;
        EXPECT_NE(platform.messages[0].find("\"Nächster Zähler\""), std::string::npos);
    }
}

TEST(OptionsCounterCheck, AcceptsOneToNinetyNineMillion) {
    TestPlatform platform;
    EXPECT_TRUE(CheckCounterText("1"));
    EXPECT_TRUE(CheckCounterText("99999999"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(CheckCounterText("0"));
    EXPECT_FALSE(CheckCounterText(" 1"));
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST(OptionsSave, WritesAllSevenKeysInOneUpdate) {
    TestPlatform platform;
    OptionsEntries e = LoadOptionsEntries();
    ASSERT_TRUE(SaveOptionsEntries(e));
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"),
              "[Zaehler]\r\nCounter=1\r\n\r\n"
              "[Optionen]\r\nTextBefore=\"\"\r\nPrefix=0\r\nSep=0\r\nTextAfter=\"\"\r\n"
              "Padding=2\r\nLeadingText=0\r\n");
}

TEST(OptionsSave, KeepsOtherKeysAndMayMoveTheCounterBack) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini",
                           "[InfoPath]\r\nxPath=/my:f/my:Vexo\r\n[Zaehler]\r\nCounter=500\r\n"
                           "[Optionen]\r\nPrefix=42\r\nPadding=20\r\n");
    OptionsEntries e = LoadOptionsEntries();
    e.counter_text = "12";
    e.text_before = "A\"B";
    e.leading_text = true;
    ASSERT_TRUE(SaveOptionsEntries(e));
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"),
              "[InfoPath]\r\nxPath=/my:f/my:Vexo\r\n[Zaehler]\r\nCounter=12\r\n"
              "[Optionen]\r\nPrefix=0\r\nPadding=7\r\nTextBefore=\"A\"\"B\"\r\nSep=0\r\n"
              "TextAfter=\"\"\r\nLeadingText=1\r\n");
    EXPECT_EQ(LoadOptionsEntries().text_before, "A\"B");
}

TEST(OptionsSave, InvalidCounterWritesNothing) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=5\r\n");
    OptionsEntries e = LoadOptionsEntries();
    e.counter_text = "abc";
    EXPECT_FALSE(SaveOptionsEntries(e));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=5\r\n");
}

TEST(OptionsSave, ReadOnlyFileThrowsAndStaysAsItWas) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=5\r\n");
    platform.SetReadOnly("vexo.ini", true);
    OptionsEntries e = LoadOptionsEntries();
    e.counter_text = "9";
    EXPECT_THROW(SaveOptionsEntries(e), SettingsWriteError);
    platform.SetReadOnly("vexo.ini", false);
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=5\r\n");
}

}  // namespace
}  // namespace vexo::forms
