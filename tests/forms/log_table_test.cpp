#include "log_table.h"

#include <gtest/gtest.h>

#include "error.h"
#include "issue_log.h"
#include "support/test_platform.h"

namespace vexo::forms {
namespace {

using testing::TestPlatform;

const std::string kHeader = "VEXO:$255;DATUM:@;ANWENDUNG:$255;BENUTZER:$255\r\n";

std::vector<std::string> Column(const LogTable& t, int column) {
    std::vector<std::string> out;
    for (size_t i = 0; i < t.RowCount(); ++i) out.push_back(t.Field(i, column));
    return out;
}

TEST(LogTable, ReadsWhatTheIssueLogWrites) {
    std::string text = kHeader;
    text += FormatLogLine("RE-0017", {2008, 3, 5, 14, 7, 9}, "Excel 12.0", "buchhaltung") + "\r\n";
    text += FormatLogLine("a\"b; c", {2008, 3, 6, 8, 0, 1}, "Makro ", "x") + "\r\n";
    LogTable t(text);
    ASSERT_EQ(t.RowCount(), 2u);
    EXPECT_EQ(t.Field(0, kColumnNumber), "RE-0017");
    EXPECT_EQ(t.Field(0, kColumnTime), "2008-03-05 14:07:09");
    EXPECT_EQ(t.Field(0, kColumnApplication), "Excel 12.0");
    EXPECT_EQ(t.Field(0, kColumnUser), "buchhaltung");
    EXPECT_EQ(t.Field(1, kColumnNumber), "a\"b; c");
    EXPECT_EQ(t.Field(1, kColumnApplication), "Makro ");
}

TEST(LogTable, AgreesWithParseLogLineOnMalformedLines) {
    const std::vector<std::string> lines = {
        "\"RE-1\"; 2008-03-05 14:07:09; \"Word 11.0\"; \"u\"; ",
        "\"unterminated; 2008",
        "plain;  spaced  ;;",
        "\"only one\"",
        ";;;;;;",
        "\"x\"junk; \"y\" ; z",
        "   ",
    };
    std::string text = kHeader;
    for (const auto& l : lines) text += l + "\r\n";
    text += "\r\n\"no line end\"";  // an empty line is skipped, a last line without CR LF kept
    LogTable t(text);
    std::vector<std::string> expected_lines = lines;
    expected_lines.push_back("\"no line end\"");
    ASSERT_EQ(t.RowCount(), expected_lines.size());
    for (size_t i = 0; i < expected_lines.size(); ++i) {
        LogRecord r = ParseLogLine(expected_lines[i]);
        EXPECT_EQ(t.Field(i, kColumnNumber), r.number) << expected_lines[i];
        EXPECT_EQ(t.Field(i, kColumnTime), r.time) << expected_lines[i];
        EXPECT_EQ(t.Field(i, kColumnApplication), r.application) << expected_lines[i];
        EXPECT_EQ(t.Field(i, kColumnUser), r.user) << expected_lines[i];
    }
    EXPECT_EQ(t.Field(99, 0), "");
    EXPECT_EQ(t.Field(0, 7), "");
}

TEST(LogTable, HeaderOnlyOrEmptyGivesNoRows) {
    EXPECT_EQ(LogTable(kHeader).RowCount(), 0u);
    EXPECT_EQ(LogTable("").RowCount(), 0u);
    LogTable t("\"A\"; 2008\n");  // a log without header line
    ASSERT_EQ(t.RowCount(), 1u);
    EXPECT_EQ(t.Field(0, kColumnNumber), "A");
}

TEST(LogTable, SortsByAnyColumnIgnoringCaseAndReverses) {
    LogTable t(kHeader +
               "\"b-2\"; 2008-03-05 10:00:00; \"Word\"; \"zoe\"; \r\n"
               "\"A-1\"; 2008-03-04 10:00:00; \"excel\"; \"\xC4rger\"; \r\n"
               "\"c-3\"; 2007-12-31 23:59:59; \"Excel\"; \"adam\"; \r\n"
               "\"a-1\"; 2008-03-05 09:59:59; \"Word\"; \"bert\"; \r\n");
    t.SortBy(kColumnNumber, true);
    EXPECT_EQ(Column(t, kColumnNumber), (std::vector<std::string>{"A-1", "a-1", "b-2", "c-3"}));
    t.SortBy(kColumnNumber, false);
    EXPECT_EQ(Column(t, kColumnNumber), (std::vector<std::string>{"c-3", "b-2", "A-1", "a-1"}));
    t.SortBy(kColumnTime, true);
    EXPECT_EQ(Column(t, kColumnNumber), (std::vector<std::string>{"c-3", "A-1", "a-1", "b-2"}));
    t.SortBy(kColumnApplication, true);  // equal fields keep the file's order
    EXPECT_EQ(Column(t, kColumnNumber), (std::vector<std::string>{"A-1", "c-3", "b-2", "a-1"}));
    t.SortBy(kColumnApplication, false);
    EXPECT_EQ(Column(t, kColumnNumber), (std::vector<std::string>{"b-2", "a-1", "A-1", "c-3"}));
    t.SortBy(kColumnUser, true);  // "\xC4rger" folds to itself and sorts after ASCII
    EXPECT_EQ(Column(t, kColumnUser),
              (std::vector<std::string>{"adam", "bert", "zoe", "\xC4rger"}));
    EXPECT_EQ(t.sort_column(), kColumnUser);
    EXPECT_EQ(t.PositionOf(t.RowAt(2)), 2u);
}

TEST(LogTable, LongFieldsSortBeyondTheirFirstSixteenBytes) {
    LogTable t(kHeader +
               "\"RE-2008-03/00000002\"\r\n\"re-2008-03/00000001\"\r\n"
               "\"RE-2008-03/0000000\"\r\n\"RE-2008-03/000000\"\r\n");
    t.SortBy(kColumnNumber, true);
    EXPECT_EQ(Column(t, kColumnNumber),
              (std::vector<std::string>{"RE-2008-03/000000", "RE-2008-03/0000000",
                                        "re-2008-03/00000001", "RE-2008-03/00000002"}));
}

TEST(LogTable, FindsPrefixesFromTheStartWrappingRound) {
    LogTable t(kHeader + "\"RE-1\"\r\n\"AB-2\"\r\n\"re-3\"\r\n\"ab-4\"\r\n");
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "re", 0), 0u);
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "re", 1), 2u);
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "AB", 3), 3u);
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "re-1", 3), 0u);
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "x", 0), std::nullopt);
    t.SortBy(kColumnNumber, true);  // AB-2 ab-4 RE-1 re-3, searched by halving
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "r", 0), 2u);
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "r", 3), 3u);
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "ab-4", 0), 1u);
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "zz", 0), std::nullopt);
    EXPECT_EQ(t.FindPrefix(kColumnNumber, "", 0), 0u);
}

TEST(LogTable, LongestFieldsAreKnownForColumnWidths) {
    LogTable t(kHeader +
               "\"1\"; 2008; \"Excel 12.0\"; \"a\"\r\n\"RE-123\"; 2008; \"W\"; \"abc\"\r\n");
    EXPECT_EQ(t.LongestFieldPosition(kColumnNumber), 1u);
    EXPECT_EQ(t.LongestFieldPosition(kColumnApplication), 0u);
    t.SortBy(kColumnNumber, false);
    EXPECT_EQ(t.LongestFieldPosition(kColumnNumber), 0u);
    EXPECT_EQ(LogTable().LongestFieldPosition(kColumnUser), 0u);
}

TEST(LogTable, ReadsTheFileWithoutChangingIt) {
    TestPlatform platform;
    EXPECT_EQ(LogTable::ReadFile(LogPath()), std::nullopt);
    const std::string bytes = kHeader +
                              "\"M\xFC"
                              "ller\"; 2008-03-05 14:07:09; \"Word\"; \"j\"\r\n";
    platform.WriteDataFile("vexolog.csv", bytes);
    auto t = LogTable::ReadFile(LogPath());
    ASSERT_TRUE(t);
    ASSERT_EQ(t->RowCount(), 1u);
    EXPECT_EQ(t->FieldUtf8(0, kColumnNumber), "Müller");
    t->SortBy(kColumnUser, false);
    EXPECT_EQ(platform.ReadDataFile("vexolog.csv"), bytes);
    EXPECT_GE(t->MemoryBytes(), bytes.size());
}

}  // namespace
}  // namespace vexo::forms
