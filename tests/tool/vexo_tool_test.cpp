// The vexo command as scripts use it: output, exit codes, files, and several at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "settings.h"
#include "support/process.h"
#include "support/test_platform.h"

namespace vexo {
namespace {

using testing::Run;
using testing::TestPlatform;

class VexoTool : public ::testing::Test {
protected:
    TestPlatform platform;
    std::string exe = testing::SiblingProgram("vexo");

    testing::RunResult Vexo(std::vector<std::string> args) {
        args.insert(args.begin(), {exe, "--app-data", platform.app_data});
        return testing::Run(args);
    }
};

TEST_F(VexoTool, NextShowsTheNumberAndChangesNothing) {
    auto r = Vexo({"next"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "0001\n");
    EXPECT_FALSE(platform.DataFileExists("vexo.ini"));

    platform.WriteDataFile("vexo.ini",
                           "[Optionen]\r\nTextBefore=\"RE \"\r\nPadding=5\r\nLeadingText=1\r\n"
                           "[Zaehler]\r\nCounter=77\r\n");
    EXPECT_EQ(Vexo({"next"}).out, "000077RE \n");
}

TEST_F(VexoTool, DrawIssuesNumbersAndLogsEachAsAMacro) {
    auto r = Vexo({"draw", "3"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "0001\n0002\n0003\n");
    EXPECT_EQ(Vexo({"draw"}).out, "0004\n");
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=5\r\n");

    std::string log = platform.ReadDataFile("vexolog.csv");
    std::regex line(
        "\"000[1-4]\"; \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d; \"Makro \"; \"[^\"]*\"; ");
    std::istringstream in(log);
    std::string l;
    std::getline(in, l);
    EXPECT_EQ(l, "VEXO:$255;DATUM:@;ANWENDUNG:$255;BENUTZER:$255\r");
    int lines = 0;
    while (std::getline(in, l)) {
        ASSERT_EQ(l.back(), '\r');
        l.pop_back();
        EXPECT_TRUE(std::regex_match(l, line)) << l;
        ++lines;
    }
    EXPECT_EQ(lines, 4);

    auto table = Vexo({"log"});
    EXPECT_EQ(table.exit_code, 0);
    EXPECT_EQ(table.out.substr(0, table.out.find('\n')),
              "Vexo  Datum                Anwendung  Benutzer");
    EXPECT_NE(table.out.find("\n0004  "), std::string::npos) << table.out;
}

TEST_F(VexoTool, WrongCommandLinesShowUsage) {
    for (std::vector<std::string> args : {std::vector<std::string>{},
                                          {"draw", "0"},
                                          {"draw", "x"},
                                          {"draw", "1", "2"},
                                          {"next", "now"},
                                          {"frobnicate"}}) {
        auto r = Vexo(args);
        EXPECT_EQ(r.exit_code, 2);
        EXPECT_NE(r.err.find("Aufruf: vexo"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(platform.DataFileExists("vexo.ini"));
}

TEST_F(VexoTool, FailuresAreGermanOnStderrWithStatusOne) {
    platform.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=3\r\n");
    platform.SetReadOnly("vexo.ini", true);
    auto r = Vexo({"draw"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("vexo.ini kann nicht geschrieben werden"), std::string::npos) << r.err;
    EXPECT_FALSE(platform.DataFileExists("vexolog.csv"));
}

TEST_F(VexoTool, VersionAndHelp) {
    EXPECT_EQ(Vexo({"--version"}).out, "vexo 2.2.0.0\n");
    auto help = Vexo({"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_NE(help.out.find("draw [N]"), std::string::npos);
}

TEST_F(VexoTool, ProcessesDrawingAtOnceNeverShareANumber) {
    constexpr int kProcesses = 4, kDraws = 100;
    testing::TempFolder outputs;
    std::vector<std::unique_ptr<testing::ChildProcess>> children;
    for (int i = 0; i < kProcesses; ++i) {
        children.push_back(std::make_unique<testing::ChildProcess>(
            std::vector<std::string>{exe, "--app-data", platform.app_data, "draw",
                                     std::to_string(kDraws)},
            outputs.path() + "/out" + std::to_string(i)));
    }
    std::set<std::string> numbers;
    int issued = 0;
    for (int i = 0; i < kProcesses; ++i) {
        ASSERT_EQ(children[i]->Wait(), 0);
    }
    for (int i = 0; i < kProcesses; ++i) {
        std::ifstream in(std::filesystem::u8path(outputs.path() + "/out" + std::to_string(i)));
        for (std::string n; std::getline(in, n);) {
            if (!n.empty() && n.back() == '\r') n.pop_back();
            numbers.insert(n);
            ++issued;
        }
    }
    EXPECT_EQ(issued, kProcesses * kDraws);
    EXPECT_EQ(numbers.size(), static_cast<size_t>(kProcesses * kDraws));
    EXPECT_EQ(*numbers.begin(), "0001");
    EXPECT_EQ(*numbers.rbegin(), "0400");
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=401\r\n");
    std::string log = platform.ReadDataFile("vexolog.csv");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), kProcesses * kDraws + 1);
}

}  // namespace
}  // namespace vexo
