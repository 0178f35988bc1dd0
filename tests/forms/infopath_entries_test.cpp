#include "infopath_entries.h"

#include <gtest/gtest.h>

#include "error.h"
#include "settings.h"
#include "support/test_platform.h"

namespace vexo::forms {
namespace {

using testing::TestPlatform;

TEST(InfoPathEntries, WithoutSectionBothAreEmpty) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=5\r\n");
    InfoPathEntries e = LoadInfoPathEntries();
    EXPECT_EQ(e.name_space, "");
    EXPECT_EQ(e.path, "");
}

TEST(InfoPathEntries, SaveWritesBothAsTypedAndReadsThemBackTrimmed) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=5\r\n");
    SaveInfoPathEntries({" xmlns:my=\"urn:x\" ", " /my:a/my:Vexo"});
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"),
              "[Zaehler]\r\nCounter=5\r\n\r\n"
              "[InfoPath]\r\nxNameSpace= xmlns:my=\"urn:x\" \r\nxPath= /my:a/my:Vexo\r\n");
    InfoPathEntries e = LoadInfoPathEntries();
    EXPECT_EQ(e.name_space, "xmlns:my=\"urn:x\"");
    EXPECT_EQ(e.path, "/my:a/my:Vexo");
    std::string ns, path;
    EXPECT_TRUE(ReadInfoPathSettings(ns, path));
}

TEST(InfoPathEntries, EmptyValuesAreWrittenAndRefusedWhereUsed) {
    TestPlatform platform;
    SaveInfoPathEntries({"xmlns:my=\"urn:x\"", "/my:a"});
    SaveInfoPathEntries({"", ""});
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[InfoPath]\r\nxNameSpace=\r\nxPath=\r\n");
    std::string ns, path;
    EXPECT_FALSE(ReadInfoPathSettings(ns, path));
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST(InfoPathEntries, ReadOnlyFileThrows) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[InfoPath]\r\nxPath=/a\r\n");
    platform.SetReadOnly("vexo.ini", true);
    EXPECT_THROW(SaveInfoPathEntries({"n", "p"}), SettingsWriteError);
    platform.SetReadOnly("vexo.ini", false);
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[InfoPath]\r\nxPath=/a\r\n");
}

}  // namespace
}  // namespace vexo::forms
