#include "issue_log.h"

#include <gtest/gtest.h>

#include "error.h"
#include "files.h"
#include "support/test_platform.h"

namespace vexo {
namespace {

using testing::TestPlatform;

const std::string kHeader = "VEXO:$255;DATUM:@;ANWENDUNG:$255;BENUTZER:$255\r\n";

TEST(IssueLog, FirstIssueCreatesTheFileWithItsHeader) {
    TestPlatform p;
    AppendIssueLog("RE-2008-03/0017", "Excel 12.0", {2008, 3, 5, 14, 7, 9});
    AppendIssueLog("RE-2008-03/0018", "Excel 12.0", {2008, 3, 5, 14, 8, 0});
    EXPECT_EQ(
        p.ReadDataFile("vexolog.csv"),
        kHeader +
            "\"RE-2008-03/0017\"; 2008-03-05 14:07:09; \"Excel 12.0\"; \"buchhaltung\"; \r\n"
            "\"RE-2008-03/0018\"; 2008-03-05 14:08:00; \"Excel 12.0\"; \"buchhaltung\"; \r\n");
}

TEST(IssueLog, ExistingEmptyFileGetsNoHeader) {
    TestPlatform p;
    p.WriteDataFile("vexolog.csv", "");
    AppendIssueLog("1", "Word 11.0", {2009, 2, 1, 9, 5, 3});
    EXPECT_EQ(p.ReadDataFile("vexolog.csv"),
              "\"1\"; 2009-02-01 09:05:03; \"Word 11.0\"; \"buchhaltung\"; \r\n");
}

TEST(IssueLog, QuotesAreDoubledAndTextIsAnsi) {
    TestPlatform p;
    p.user = "";
    AppendIssueLog("A\"1", "Word Formular 11.0", {2009, 2, 1, 9, 5, 3});
    p.user = "Jörg";
    AppendIssueLog("Nr. 2 – ä", "Makro ", {2009, 2, 1, 9, 5, 4});
    EXPECT_EQ(p.ReadDataFile("vexolog.csv"),
              kHeader + "\"A\"\"1\"; 2009-02-01 09:05:03; \"Word Formular 11.0\"; \"\"; \r\n" +
                  "\"Nr. 2 \x96 \xE4\"; 2009-02-01 09:05:04; \"Makro \"; \"J\xF6rg\"; \r\n");
    auto records = ReadIssueLog();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].number, "A\"1");
    EXPECT_EQ(records[1].number, "Nr. 2 – ä");
    EXPECT_EQ(records[1].user, "Jörg");
}

TEST(IssueLog, UnwritableLogIsAnError) {
    TestPlatform p;
    // A folder in the log's place stops every writer, root on POSIX included.
    ASSERT_TRUE(files::CreateDirectories(p.DataFolder() + "vexolog.csv"));
    EXPECT_THROW(AppendIssueLog("1", "Makro ", p.now), Error);
}

TEST(ParseLog, ReadsWhatAppendWritesAndToleratesDamage) {
    struct Case {
        const char* line;
        LogRecord expected;
    };
    const Case cases[] = {
        {"\"0017\"; 2008-03-05 14:07:09; \"Excel 12.0\"; \"bh\"; ",
         {"0017", "2008-03-05 14:07:09", "Excel 12.0", "bh"}},
        {"\"a;b\"\"c\"; t; \"x\"; \"u\"; ", {"a;b\"c", "t", "x", "u"}},
        {"\"only number", {"only number", "", "", ""}},
        {"plain;2008-01-01 00:00:00", {"plain", "2008-01-01 00:00:00", "", ""}},
        {";;;;;;", {"", "", "", ""}},
        {"\"1\"; t; \"a\"; \"b\"; extra; more", {"1", "t", "a", "b"}},
    };
    for (const Case& c : cases) {
        LogRecord r = ParseLogLine(c.line);
        EXPECT_EQ(r.number, c.expected.number) << c.line;
        EXPECT_EQ(r.time, c.expected.time) << c.line;
        EXPECT_EQ(r.application, c.expected.application) << c.line;
        EXPECT_EQ(r.user, c.expected.user) << c.line;
    }
    auto all = ParseLog(kHeader + "\"1\"; t; \"a\"; \"u\"; \r\n\r\n\"2\"; t; \"a\"; \"u\"; ");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].number, "2");
}

}  // namespace
}  // namespace vexo
