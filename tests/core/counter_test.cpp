#include "counter.h"

#include <gtest/gtest.h>

#include "error.h"
#include "issue_log.h"
#include "support/test_platform.h"

namespace vexo {
namespace {

using testing::TestPlatform;

TEST(Counter, FreshSystemIssuesOneWithFourDigits) {
    TestPlatform p;
    EXPECT_EQ(ReadNextNumber(), "0001");
    EXPECT_EQ(ReadNextNumber(), "0001");
    CommitCounter();
    EXPECT_EQ(p.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=2\r\n");
    EXPECT_EQ(ReadNextNumber(), "0002");
}

TEST(Counter, ComposesFromTheStoredFormat) {
    TestPlatform p;
    p.WriteDataFile("vexo.ini",
                    "[Optionen]\r\nTextBefore=\"RE-\"\r\nPrefix=3\r\nSep=2\r\nTextAfter=\"/\"\r\n"
                    "Padding=3\r\nLeadingText=0\r\n[Zaehler]\r\nCounter=41\r\n");
    EXPECT_EQ(ReadNextNumber(), "RE-2008-03/0041");
    CommitCounter();
    EXPECT_EQ(ReadNextNumber(), "RE-2008-03/0042");
}

TEST(Counter, NonIntegerCounterReadsAsOne) {
    TestPlatform p;
    p.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=zwölf\r\n");
    EXPECT_EQ(ReadNextNumber(), "0001");
    CommitCounter();
    EXPECT_EQ(ReadNextNumber(), "0002");
}

TEST(Counter, CommitRereadsTheStoredValue) {
    TestPlatform p;
    std::string n = ReadNextNumber();
    p.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=500\r\n");  // another process, a dialog
    CommitCounter();
    EXPECT_EQ(n, "0001");
    EXPECT_EQ(ReadNextNumber(), "0501");
}

TEST(Counter, LargestCounterIsRefusedBeforeAnythingChanges) {
    TestPlatform p;
    const std::string ini = "[Zaehler]\r\nCounter=2147483647\r\n";
    p.WriteDataFile("vexo.ini", ini);
    EXPECT_EQ(ReadNextNumber(), "2147483647");  // still shown
    EXPECT_THROW(ReadNumberToIssue(), Error);
    EXPECT_THROW(CommitCounter(), Error);
    EXPECT_THROW(DrawNumber("Makro "), Error);
    EXPECT_EQ(p.ReadDataFile("vexo.ini"), ini);
    EXPECT_FALSE(p.DataFileExists("vexolog.csv"));
    p.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=2147483646\r\n");
    EXPECT_EQ(DrawNumber("Makro "), "2147483646");
}

TEST(Counter, FailedCommitKeepsTheCounter) {
    TestPlatform p;
    p.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=9\r\n");
    p.SetReadOnly("vexo.ini", true);
    EXPECT_THROW(CommitCounter(), SettingsWriteError);
    EXPECT_EQ(ReadNextNumber(), "0009");
    EXPECT_THROW(DrawNumber("Makro "), SettingsWriteError);
    EXPECT_FALSE(p.DataFileExists("vexolog.csv"));
}

TEST(Counter, DrawIssuesCommitsAndLogs) {
    TestPlatform p;
    EXPECT_EQ(DrawNumber("Makro "), "0001");
    EXPECT_EQ(DrawNumber("Excel 12.0"), "0002");
    EXPECT_EQ(ReadNextNumber(), "0003");
    EXPECT_EQ(p.ReadDataFile("vexolog.csv"),
              "VEXO:$255;DATUM:@;ANWENDUNG:$255;BENUTZER:$255\r\n"
              "\"0001\"; 2008-03-05 14:07:09; \"Makro \"; \"buchhaltung\"; \r\n"
              "\"0002\"; 2008-03-05 14:07:09; \"Excel 12.0\"; \"buchhaltung\"; \r\n");
}

TEST(ValidateCounterText, AcceptsOneTo99999999Only) {
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    const Case cases[] = {
        {"17", true, 17},       {"1", true, 1},          {"99999999", true, 99999999},
        {"00000042", true, 42}, {"", false, 0},          {"0", false, 0},
        {"-5", false, 0},       {"100000000", false, 0}, {"1.000", false, 0},
        {"12a", false, 0},      {" 17", false, 0},       {"2147483648", false, 0},
        {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        TestPlatform p;
        int32_t value = -1;
        EXPECT_EQ(ValidateCounterText(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value);
            EXPECT_TRUE(p.messages.empty());
        } else {
            EXPECT_EQ(value, -1) << "value changed for " << c.text;
            ASSERT_EQ(p.messages.size(), 1u);
            EXPECT_EQ(p.messages[0], std::string(c.text) +
                                         " ist keine gültige Ganzzahl. Geben Sie im Feld \r\n"
                                         "\"Nächster Zähler\" eine Zahl von 1 bis 99.999.999 ein.");
        }
    }
}

}  // namespace
}  // namespace vexo
