#include "settings.h"

#include <gtest/gtest.h>

#include "error.h"
#include "support/test_platform.h"

namespace vexo {
namespace {

using testing::TestPlatform;

TEST(DataFolder, EndsWithOstrakVexo) {
#ifdef _WIN32
    EXPECT_EQ(ComposeDataFolder("C:\\Users\\a\\AppData\\Roaming"),
              "C:\\Users\\a\\AppData\\Roaming\\Ostrak\\Vexo\\");
    EXPECT_EQ(ComposeDataFolder("C:\\"), "C:\\Ostrak\\Vexo\\");
    EXPECT_EQ(ComposeDataFolder(""), "\\Ostrak\\Vexo\\");
#else
    EXPECT_EQ(ComposeDataFolder("/home/a/.local/share"), "/home/a/.local/share/Ostrak/Vexo/");
    EXPECT_EQ(ComposeDataFolder("/"), "/Ostrak/Vexo/");
    EXPECT_EQ(ComposeDataFolder(""), "/Ostrak/Vexo/");
#endif
}

struct IntegerCase {
    const char* stored;
    int32_t expected;  // with default 99
};

class IntegerValues : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerValues, ReadAsTheSettingsFileDefinesThem) {
    Settings s(IniFile(std::string("[Zaehler]\r\nCounter=") + GetParam().stored + "\r\n"));
    EXPECT_EQ(s.Integer("Zaehler", "Counter", 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerValues,
    ::testing::Values(IntegerCase{"41", 41}, IntegerCase{"-3", -3}, IntegerCase{"+7", 7},
                      IntegerCase{"0x10", 16}, IntegerCase{"0X1f", 31},
                      IntegerCase{"0xFFFFFFFF", -1}, IntegerCase{"0x", 99}, IntegerCase{"0x1G", 99},
                      IntegerCase{"abc", 99}, IntegerCase{"12a", 99}, IntegerCase{"1.000", 99},
                      IntegerCase{"", 99}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", INT32_MIN}, IntegerCase{"2147483648", 99},
                      IntegerCase{"99999999999999999999", 99}));

TEST(Settings, BooleansAreIntegers) {
    Settings s(IniFile("[O]\r\na=1\r\nb=0\r\nc=5\r\nd=x\r\n"));
    EXPECT_TRUE(s.Boolean("O", "a", false));
    EXPECT_FALSE(s.Boolean("O", "b", true));
    EXPECT_TRUE(s.Boolean("O", "c", false));
    EXPECT_TRUE(s.Boolean("O", "d", true));
    EXPECT_FALSE(s.Boolean("O", "missing", false));
}

TEST(Settings, QuotedTextRoundTripsBlanksAndQuotes) {
    struct Case {
        std::string text, stored;
    };
    for (const Case& c : {Case{"RE ", "\"RE \""}, Case{"a\"b", "\"a\"\"b\""}, Case{"", "\"\""},
                          Case{"  \"\" ", "\"  \"\"\"\" \""}}) {
        Settings s;
        s.SetQuotedText("Optionen", "TextBefore", c.text);
        EXPECT_EQ(*s.ini().Value("Optionen", "TextBefore"), c.stored);
        EXPECT_EQ(Settings(IniFile(s.ini().Text())).QuotedText("Optionen", "TextBefore", "-"),
                  c.text);
    }
}

TEST(Settings, HandEditedQuotedTextIsTakenAsItStands) {
    Settings s(IniFile("[O]\r\na=  RE- \r\nb=\"open\r\nc=\"x\"y\r\n"));
    EXPECT_EQ(s.QuotedText("O", "a", ""), "RE-");
    EXPECT_EQ(s.QuotedText("O", "b", ""), "\"open");
    EXPECT_EQ(s.QuotedText("O", "c", ""), "x");
    EXPECT_EQ(s.QuotedText("O", "missing", "dflt"), "dflt");
}

TEST(Settings, PlainTextDropsOnePairOfEnclosingQuotes) {
    Settings s(IniFile("[I]\r\na='x'\r\nb=xmlns:my=\"urn:a\"\r\n"));
    EXPECT_EQ(s.Text("I", "a", ""), "x");
    EXPECT_EQ(s.Text("I", "b", ""), "xmlns:my=\"urn:a\"");
}

TEST(SettingsFile, MissingFileReadsDefaults) {
    TestPlatform p;
    EXPECT_EQ(ReadSaveFolder(), "C:\\");
    EXPECT_EQ(Settings::Load().Integer("Zaehler", "Counter", 1), 1);
    EXPECT_FALSE(p.DataFileExists("vexo.ini"));
}

TEST(SettingsFile, IsWrittenInTheAnsiCodePageWithCrLf) {
    TestPlatform p;
    UpdateSettings([](Settings& s) {
        s.SetQuotedText("Optionen", "TextBefore", "Rechnung Nr. ");
        s.SetInteger("Zaehler", "Counter", 42);
    });
    WriteSaveFolder("C:\\Aufträge");
    EXPECT_EQ(p.ReadDataFile("vexo.ini"),
              "[Optionen]\r\nTextBefore=\"Rechnung Nr. \"\r\n\r\n[Zaehler]\r\nCounter=42\r\n"
              "\r\n[InfoPath]\r\nSaveFolder=C:\\Auftr\xE4ge\r\n");
    EXPECT_EQ(ReadSaveFolder(), "C:\\Aufträge");
}

TEST(SettingsFile, FailedWriteLeavesTheOldFileIntact) {
    TestPlatform p;
    const std::string before = "[Zaehler]\r\nCounter=7\r\n";
    p.WriteDataFile("vexo.ini", before);
    p.SetReadOnly("vexo.ini", true);
    try {
        UpdateSettings([](Settings& s) {
            s.SetInteger("Zaehler", "Counter", 8);
            s.SetText("Optionen", "Sep", "2");
        });
        FAIL() << "write to a read-only file succeeded";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "In " + SettingsPath() + " kann nicht geschrieben werden");
    }
    p.SetReadOnly("vexo.ini", false);
    EXPECT_EQ(p.ReadDataFile("vexo.ini"), before);
}

TEST(SettingsFile, MissingDataFolderIsAWriteError) {
    TestPlatform p;
    p.app_data += "/does-not-exist";
    EXPECT_THROW(WriteSaveFolder("D:\\"), SettingsWriteError);
}

TEST(InfoPathSettings, RefusesEmptyOrBlankValues) {
    struct Case {
        const char* file;
        bool ok;
    };
    const Case cases[] = {
        {"", false},
        {"[InfoPath]\r\nxNameSpace=xmlns:my=\"urn:x\"\r\n", false},
        {"[InfoPath]\r\nxNameSpace=xmlns:my=\"urn:x\"\r\nxPath=\"   \"\r\n", false},
        {"[InfoPath]\r\nxNameSpace=xmlns:my=\"urn:x\"\r\nxPath=/my:a/my:nr\r\n", true},
    };
    for (const Case& c : cases) {
        TestPlatform p;
        p.WriteDataFile("vexo.ini", c.file);
        std::string ns, path;
        EXPECT_EQ(ReadInfoPathSettings(ns, path), c.ok) << c.file;
        if (c.ok) {
            EXPECT_TRUE(p.messages.empty());
            EXPECT_EQ(ns, "xmlns:my=\"urn:x\"");
            EXPECT_EQ(path, "/my:a/my:nr");
        } else {
            ASSERT_EQ(p.messages.size(), 1u);
            EXPECT_EQ(p.messages[0],
                      "Namespace oder Pfad für InfoPath sind nicht gültig. Überprüfen Sie die "
                      "InfoPath-Einstellungen.");
        }
    }
}

}  // namespace
}  // namespace vexo
