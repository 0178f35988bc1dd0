#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "addin_module.h"
#include "counter.h"
#include "fake_office.h"
#include "issue_log.h"
#include "settings.h"
#include "support/test_platform.h"

namespace vexo::testing {

// Records, with each message, whether the data lock was held while it was shown.
class ProbingPlatform : public TestPlatform {
public:
    bool message_under_lock = false;
    void ShowMessage(const std::string& text, MessageKind kind) override {
        message_under_lock = message_under_lock || DataLockHeld();
        TestPlatform::ShowMessage(text, kind);
    }
};

// Counter 17 in the format "RE-" year/month "-" four digits: the next number is
// "RE-2008/03-0017"; the InfoPath settings select "/my:Rechnung/my:Nummer".
inline constexpr char kSettings[] =
    "[Optionen]\r\nTextBefore=\"RE-\"\r\nPrefix=3\r\nSep=3\r\nTextAfter=\"-\"\r\nPadding=3\r\n"
    "[Zaehler]\r\nCounter=17\r\n"
    "[InfoPath]\r\nxNameSpace=xmlns:my=\"http://schemas.example/rechnung\"\r\n"
    "xPath=/my:Rechnung/my:Nummer\r\n";
inline constexpr char kNumber[] = "RE-2008/03-0017";
inline constexpr char kNextNumber[] = "RE-2008/03-0018";
inline constexpr char kNodePath[] = "/my:Rechnung/my:Nummer";
inline constexpr char kNamespace[] = "xmlns:my=\"http://schemas.example/rechnung\"";

// Names parameterized cases after their `name` member.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& c) const {
        return c.param.name;
    }
};

// Prints a case by its name when it fails.
template <typename Case, typename = decltype(Case::name)>
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ModuleTest : public ::testing::Test {
protected:
    ModuleTest() { platform.WriteDataFile("vexo.ini", kSettings); }

    TAddInModule& Start(TadxOfficeHostApp kind) {
        module = std::make_unique<TAddInModule>(kind, host, surface, ui);
        return *module;
    }

    int32_t Counter() const { return ReadCounterValue(Settings::Load()); }
    std::vector<LogRecord> Log() const { return ReadIssueLog(); }
    void FireTimer() { ui.FireTimer(*module); }

    ProbingPlatform platform;
    FakeOfficeHost host;
    RecordingSurface surface;
    RecordingUi ui;
    std::unique_ptr<TAddInModule> module;
};

}  // namespace vexo::testing
