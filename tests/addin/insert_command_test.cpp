#include <chrono>
#include <functional>
#include <set>
#include <thread>

#include "files.h"
#include "module_fixture.h"

namespace vexo::testing {
namespace {

constexpr char kErrorPrefix[] = "Vexo Add-In error: the add-in has fired an exception.\r\n";

// Everything the fake host holds that an insert may have written.
std::string Placed(const FakeOfficeHost& host) {
    std::string placed = host.cell + host.typed;
    for (const auto& f : host.fields) placed += f.result;
    for (const auto& [path, text] : host.nodes) placed += text;
    return placed;
}

void ExpectRearmed(TAddInModule& module, RecordingUi& ui) {
    EXPECT_TRUE(ui.timer_running);
    EXPECT_EQ(ui.timer_ms, 500);
    EXPECT_FALSE(module.acInsert.Enabled());
    ui.FireTimer(module);
    EXPECT_FALSE(ui.timer_running);
    EXPECT_TRUE(module.acInsert.Enabled());
    EXPECT_TRUE(module.BarButtonEnabled(1));
    EXPECT_TRUE(module.RibbonButtonEnabled(1, 0));
}

// --- The number reaches the document, the counter, the log and the property.

struct PathCase {
    const char* name;
    TadxOfficeHostApp kind;
    std::function<void(FakeOfficeHost&)> setup;
    const char* write_op;  // the host operation that places the number
    const char* label;
    bool property;
};

const PathCase kPaths[] = {
    {"Excel", ohaExcel, [](FakeOfficeHost&) {}, "SetActiveCellFormula", "Excel ", true},
    {"WordSelection", ohaWord, [](FakeOfficeHost&) {}, "TypeText", "Word ", true},
    {"WordForm", ohaWord,
     [](FakeOfficeHost& h) {
         h.protection = 2;
         h.fields = {{"Kunde", true, ""}, {"Vexo", true, ""}, {"Datum", true, ""}};
     },
     "SetFormFieldResult", "Word Formular ", true},
    {"InfoPath", ohaInfoPath, [](FakeOfficeHost& h) { h.nodes[kNodePath] = ""; }, "SetNodeText",
     "InfoPath ", false},
};

class InsertPathTest : public ModuleTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(InsertPathTest, IssuesOneNumberEverywhere) {
    const PathCase& c = GetParam();
    c.setup(host);
    host.version = "12.0";
    std::map<std::string, bool> under_lock;
    host.on_call = [&](const std::string& op) { under_lock[op] = DataLockHeld(); };
    Start(c.kind).CommandBarButtonClick(1);

    EXPECT_EQ(Placed(host), kNumber);
    EXPECT_EQ(Counter(), 18);
    auto log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].number, kNumber);
    EXPECT_EQ(log[0].time, "2008-03-05 14:07:09");
    EXPECT_EQ(log[0].application, std::string(c.label) + "12.0");
    EXPECT_EQ(log[0].user, "buchhaltung");
    if (c.property) {
        EXPECT_EQ(host.properties, (std::map<std::string, std::string>{{"VexoCounter", kNumber}}));
    } else {
        EXPECT_FALSE(host.Called("ActiveDocumentProperties"));
    }
    EXPECT_TRUE(under_lock[c.write_op]) << "the number was placed outside the data lock";
    EXPECT_TRUE(under_lock["Version"]);
    EXPECT_FALSE(DataLockHeld());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_FALSE(module->BarButtonEnabled(1));
    EXPECT_FALSE(module->RibbonButtonEnabled(1, 0));
    ExpectRearmed(*module, ui);
}

TEST_P(InsertPathTest, ClickAfterTheTickDrawsTheFollowingNumber) {
    const PathCase& c = GetParam();
    c.setup(host);
    Start(c.kind).adxRibbonTab1Controls0Controls0Controls0Click();
    FireTimer();
    module->adxRibbonTab1Controls0Controls0Controls0Click();
    EXPECT_EQ(Counter(), 19);
    auto log = Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].number, kNextNumber);
    // A second insert replaces the property's value; the document keeps one such property.
    if (c.property) {
        EXPECT_EQ(host.properties,
                  (std::map<std::string, std::string>{{"VexoCounter", kNextNumber}}));
    }
}

INSTANTIATE_TEST_SUITE_P(Hosts, InsertPathTest, ::testing::ValuesIn(kPaths), CaseName());

TEST_F(ModuleTest, InsertSendsTheNamespacesBeforeSelectingTheNode) {
    host.nodes[kNodePath] = "";
    Start(ohaInfoPath).acCallInsertExecute();
    EXPECT_EQ(host.namespaces, kNamespace);
    auto ns = std::find(host.calls.begin(), host.calls.end(), "SetSelectionNamespaces");
    auto set = std::find(host.calls.begin(), host.calls.end(), "SetNodeText");
    EXPECT_LT(ns, set);
}

// --- Refusals: a message, and nothing written anywhere.

struct RefusalCase {
    const char* name;
    TadxOfficeHostApp kind;
    std::function<void(FakeOfficeHost&, TestPlatform&)> setup;
    const char* message;
};

const char kNoWorkbook[] = "Kein aktives Arbeitsblatt. Bitte öffnen Sie eine Arbeitsmappe.";
const char kNoDocument[] = "Kein aktives Dokument. Bitte öffnen Sie ein Dokument.";
const char kProtected[] =
    "Dieses Dokument ist geschützt.\r\nGeschützte Dokumente werden von diesem Add-In nicht "
    "unterstützt.";
const char kNoField[] =
    "In diesem geschützten Dokument wurde kein Textformularfeld mit dem Name \"Vexo\" gefunden."
    "\r\nHeben Sie den Dokumentschutz auf und fügen Sie ein entsprechendes Formularfeld ein.";
const char kNoForm[] = "Kein Formular geöffnet. Bitte öffnen Sie ein Formular.";
const char kBadInfoPathSettings[] =
    "Namespace oder Pfad für InfoPath sind nicht gültig. Überprüfen Sie die "
    "InfoPath-Einstellungen.";

void Protect(FakeOfficeHost& h, int kind) {
    h.protection = kind;
    h.fields = {{"Vexo", true, ""}};
}

const RefusalCase kRefusals[] = {
    {"ExcelWithoutWorkbook", ohaExcel, [](FakeOfficeHost& h, TestPlatform&) { h.workbooks = 0; },
     kNoWorkbook},
    {"WordWithoutDocument", ohaWord, [](FakeOfficeHost& h, TestPlatform&) { h.documents = 0; },
     kNoDocument},
    {"WordRevisionsOnly", ohaWord, [](FakeOfficeHost& h, TestPlatform&) { Protect(h, 0); },
     kProtected},
    {"WordCommentsOnly", ohaWord, [](FakeOfficeHost& h, TestPlatform&) { Protect(h, 1); },
     kProtected},
    {"WordReadingOnly", ohaWord, [](FakeOfficeHost& h, TestPlatform&) { Protect(h, 3); },
     kProtected},
    {"WordFormWithoutFields", ohaWord,
     [](FakeOfficeHost& h, TestPlatform&) {
         Protect(h, 2);
         h.fields.clear();
     },
     kNoField},
    {"WordFormCheckBoxVexo", ohaWord,
     [](FakeOfficeHost& h, TestPlatform&) {
         Protect(h, 2);
         h.fields = {{"Kunde", true, ""}, {"Vexo", false, ""}};
     },
     kNoField},
    {"WordFormLowerCaseVexo", ohaWord,
     [](FakeOfficeHost& h, TestPlatform&) {
         Protect(h, 2);
         h.fields = {{"vexo", true, ""}, {"VEXO", true, ""}};
     },
     kNoField},
    {"InfoPathWithoutForm", ohaInfoPath, [](FakeOfficeHost& h, TestPlatform&) { h.forms = 0; },
     kNoForm},
    {"InfoPathEmptyNamespace", ohaInfoPath,
     [](FakeOfficeHost&, TestPlatform& p) {
         p.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=17\r\n[InfoPath]\r\nxPath=/my:N\r\n");
     },
     kBadInfoPathSettings},
    {"InfoPathBlankPath", ohaInfoPath,
     [](FakeOfficeHost&, TestPlatform& p) {
         p.WriteDataFile("vexo.ini",
                         "[Zaehler]\r\nCounter=17\r\n[InfoPath]\r\nxNameSpace=xmlns:my=\"u\"\r\n"
                         "xPath=\"   \"\r\n");
     },
     kBadInfoPathSettings},
};

class InsertRefusalTest : public ModuleTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(InsertRefusalTest, ShowsItsMessageAndChangesNothing) {
    const RefusalCase& c = GetParam();
    c.setup(host, platform);
    host.nodes[kNodePath] = "";
    std::string settings = platform.ReadDataFile("vexo.ini");
    Start(c.kind).CommandBarButtonClick(1);

    EXPECT_EQ(platform.messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(platform.message_under_lock);
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(Placed(host), "");
    EXPECT_TRUE(host.properties.empty());
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), settings);
    EXPECT_FALSE(platform.DataFileExists("vexolog.csv"));
    ExpectRearmed(*module, ui);
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertRefusalTest, ::testing::ValuesIn(kRefusals), CaseName());

// --- Failures: the first failing step ends the run; what was done stays done.

struct FailureCase {
    const char* name;
    TadxOfficeHostApp kind;
    std::function<void(FakeOfficeHost&, TestPlatform&)> setup;
    const char* error;  // part of the error box's text
    bool placed;
    int32_t counter;
    size_t log_lines;
    const char* property;  // "VexoCounter" afterwards; nullptr for none
};

const FailureCase kFailures[] = {
    {"CellRefusesTheValue", ohaExcel,
     [](FakeOfficeHost& h, TestPlatform&) { h.failing = {"SetActiveCellFormula"}; },
     "SetActiveCellFormula", false, 17, 0, nullptr},
    {"SelectionRefusesTyping", ohaWord,
     [](FakeOfficeHost& h, TestPlatform&) { h.failing = {"TypeText"}; }, "TypeText", false, 17, 0,
     nullptr},
    {"FormFieldRefusesTheValue", ohaWord,
     [](FakeOfficeHost& h, TestPlatform&) {
         Protect(h, 2);
         h.failing = {"SetFormFieldResult"};
     },
     "SetFormFieldResult", false, 17, 0, nullptr},
    {"PathSelectsNoNode", ohaInfoPath, [](FakeOfficeHost& h, TestPlatform&) { h.nodes.clear(); },
     "Objekt erforderlich", false, 17, 0, nullptr},
    {"NamespacesRefused", ohaInfoPath,
     [](FakeOfficeHost& h, TestPlatform&) { h.failing = {"SetSelectionNamespaces"}; },
     "SetSelectionNamespaces", false, 17, 0, nullptr},
    {"CounterAtItsLargestValue", ohaExcel,
     [](FakeOfficeHost&, TestPlatform& p) {
         p.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=2147483647\r\n");
     },
     "Höchstwert", false, 2147483647, 0, nullptr},
    {"CommitFails", ohaExcel,
     [](FakeOfficeHost&, TestPlatform& p) { p.SetReadOnly("vexo.ini", true); }, "vexo.ini", true,
     17, 0, nullptr},
    {"VersionFails", ohaWord, [](FakeOfficeHost& h, TestPlatform&) { h.failing = {"Version"}; },
     "Version", true, 18, 0, nullptr},
    {"LogFails", ohaInfoPath,
     [](FakeOfficeHost&, TestPlatform&) {
         // A folder in the log's place: no append succeeds, whoever runs the test.
         files::CreateDirectories(LogPath());
     },
     "vexolog.csv", true, 18, 0, nullptr},
    {"PropertyOverwriteFails", ohaExcel,
     [](FakeOfficeHost& h, TestPlatform&) {
         h.properties["VexoCounter"] = "alt";
         h.failing = {"Properties.SetValue"};
     },
     "Properties.SetValue", true, 18, 1, "alt"},
    {"NoActiveWorkbook", ohaExcel,
     [](FakeOfficeHost& h, TestPlatform&) { h.has_active_document = false; }, "kein aktives", true,
     18, 1, nullptr},
};

class InsertFailureTest : public ModuleTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    void TearDown() override { platform.SetReadOnly("vexo.ini", false); }
};

TEST_P(InsertFailureTest, KeepsWhatWasDoneAndReportsTheRest) {
    const FailureCase& c = GetParam();
    if (c.kind == ohaInfoPath) host.nodes[kNodePath] = "";
    if (c.kind == ohaWord) host.fields = {{"Vexo", true, ""}};
    c.setup(host, platform);
    Start(c.kind).CommandBarButtonClick(1);

    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].rfind(kErrorPrefix, 0), 0u) << ui.errors[0];
    EXPECT_NE(ui.errors[0].find(c.error), std::string::npos) << ui.errors[0];
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Placed(host), c.placed ? kNumber : "");
    EXPECT_EQ(Counter(), c.counter);
    EXPECT_EQ(files::IsDirectory(LogPath()) ? 0 : Log().size(), c.log_lines);
    if (c.property) {
        EXPECT_EQ(host.properties["VexoCounter"], c.property);
    } else {
        EXPECT_EQ(host.properties.count("VexoCounter"), 0u);
    }
    EXPECT_FALSE(DataLockHeld());
    ExpectRearmed(*module, ui);
}

INSTANTIATE_TEST_SUITE_P(Steps, InsertFailureTest, ::testing::ValuesIn(kFailures), CaseName());

// --- The re-arm guard.

TEST_F(ModuleTest, SecondClickWithinTheRearmTimeDoesNothing) {
    Start(ohaExcel).CommandBarButtonClick(1);
    host.cell.clear();
    module->adxRibbonTab1Controls0Controls0Controls0Click();
    module->CommandBarButtonClick(1);
    module->acCallInsertExecute();
    EXPECT_EQ(host.cell, "");
    EXPECT_EQ(Counter(), 18);
    EXPECT_EQ(Log().size(), 1u);
    EXPECT_TRUE(platform.messages.empty());

    FireTimer();
    module->CommandBarButtonClick(1);
    EXPECT_EQ(host.cell, kNextNumber);
}

TEST_F(ModuleTest, ButtonsEnabledByAnEventDoNothingUntilTheTick) {
    Start(ohaWord).CommandBarButtonClick(1);
    module->adxWordAppEvents1WindowSelectionChange();
    EXPECT_TRUE(module->BarButtonEnabled(1));
    EXPECT_TRUE(module->RibbonButtonEnabled(1, 0));
    EXPECT_FALSE(module->acInsert.Enabled());

    module->CommandBarButtonClick(1);
    module->adxRibbonTab1Controls0Controls0Controls0Click();
    EXPECT_EQ(host.typed, kNumber);
    EXPECT_EQ(Counter(), 18);

    FireTimer();
    module->CommandBarButtonClick(1);
    EXPECT_EQ(host.typed, std::string(kNumber) + kNextNumber);
}

TEST_F(ModuleTest, ATimerThatCannotStartLeavesInsertUsable) {
    ui.timer_fails = true;
    Start(ohaExcel).CommandBarButtonClick(1);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_TRUE(module->acInsert.Enabled());
    EXPECT_EQ(host.cell, "");
    EXPECT_EQ(Counter(), 17);

    ui.timer_fails = false;
    module->CommandBarButtonClick(1);
    EXPECT_EQ(host.cell, kNumber);
}

TEST_F(ModuleTest, AFailingTickIsNotRepeated) {
    Start(ohaExcel).CommandBarButtonClick(1);
    surface.fails = true;
    FireTimer();
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_FALSE(ui.timer_running);
    EXPECT_TRUE(module->acInsert.Enabled());
}

TEST_F(ModuleTest, OtherHostsInsertNothing) {
    Start(ohaOutlook).CommandBarButtonClick(1);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(Counter(), 17);
    EXPECT_FALSE(platform.DataFileExists("vexolog.csv"));
    ExpectRearmed(*module, ui);
}

// Word and Excel clicking at the same moment, each in its own process: the data lock keeps
// them from issuing the same number. The slow host widens the window between drawing the
// number and committing it.
TEST_F(ModuleTest, ConcurrentInsertsNeverShareANumber) {
    constexpr int kRuns = 15;
    auto run = [this](TadxOfficeHostApp kind) {
        SetPlatform(&platform);
        FakeOfficeHost office;
        office.on_call = [](const std::string& op) {
            if (op == "SetActiveCellFormula" || op == "TypeText")
                std::this_thread::sleep_for(std::chrono::milliseconds(3));
        };
        RecordingSurface bar;
        RecordingUi services;
        TAddInModule addin(kind, office, bar, services);
        for (int i = 0; i < kRuns; ++i) {
            addin.acCallInsertExecute();
            services.FireTimer(addin);
        }
        return services.errors.size();
    };
    size_t excel_errors = 0, word_errors = 0;
    std::thread excel([&] { excel_errors = run(ohaExcel); });
    std::thread word([&] { word_errors = run(ohaWord); });
    excel.join();
    word.join();

    EXPECT_EQ(excel_errors + word_errors, 0u);
    EXPECT_EQ(Counter(), 17 + 2 * kRuns);
    std::set<std::string> numbers;
    for (const auto& record : Log()) numbers.insert(record.number);
    EXPECT_EQ(numbers.size(), 2u * kRuns);
}

}  // namespace
}  // namespace vexo::testing
