#include <filesystem>

#include "error.h"
#include "files.h"
#include "module_fixture.h"

namespace vexo::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(ModuleTest, StartsWithEverythingEnabledAndInfoPathHidden) {
    TAddInModule& m = Start(ohaExcel);
    for (int i = 0; i < kBarButtonCount; ++i) {
        EXPECT_TRUE(m.BarButtonEnabled(i)) << i;
        EXPECT_EQ(m.BarButtonVisible(i), i != 4) << i;
    }
    for (int g = 0; g < kRibbonGroupCount; ++g)
        for (int b = 0; b < kRibbonButtonCounts[g]; ++b) EXPECT_TRUE(m.RibbonButtonEnabled(g, b));
    for (auto [g, b] : {std::pair{-1, 0}, {0, 1}, {1, 4}, {2, 0}})
        EXPECT_FALSE(m.RibbonButtonEnabled(g, b));
    EXPECT_FALSE(m.BarButtonEnabled(6));
    EXPECT_FALSE(m.BarButtonVisible(-1));
    for (const TAction* a : {&m.acSave, &m.acInsert, &m.acCallInsert, &m.acOptions, &m.acLogfile,
                             &m.acInfoPathSettings, &m.acInfo})
        EXPECT_TRUE(a->Enabled());
}

// --- Start-up

struct StartCase {
    const char* name;
    TadxOfficeHostApp kind;
    bool infopath_button;
};

const StartCase kStarts[] = {
    {"Excel", ohaExcel, false},
    {"Word", ohaWord, false},
    {"InfoPath", ohaInfoPath, true},
};

class StartUpTest : public ModuleTest, public ::testing::WithParamInterface<StartCase> {
protected:
    StartUpTest() {
        std::filesystem::remove_all(std::filesystem::u8path(DataFolder()));
        HostKind = ohaPublisher;
        HostVersion = "alt";
    }
    std::string DataFolder() const { return ComposeDataFolder(platform.app_data); }
};

TEST_P(StartUpTest, RecordsTheHostAndPreparesTheDataFolder) {
    host.version = "12.0";
    Start(GetParam().kind).adxCOMAddInModuleAddInInitialize();
    EXPECT_EQ(HostKind, GetParam().kind);
    EXPECT_EQ(HostVersion, "12.0");
    EXPECT_TRUE(files::IsDirectory(DataFolder()));
    EXPECT_EQ(module->BarButtonVisible(4), GetParam().infopath_button);
    EXPECT_EQ(surface.changes, GetParam().infopath_button ? Strings{"bar 4"} : Strings{});
    EXPECT_TRUE(ui.errors.empty());
}

TEST_P(StartUpTest, StopsWhenTheVersionCannotBeRead) {
    host.failing = {"Version"};
    Start(GetParam().kind).adxCOMAddInModuleAddInInitialize();
    EXPECT_EQ(HostKind, GetParam().kind);
    EXPECT_EQ(HostVersion, "alt");
    EXPECT_FALSE(files::Exists(DataFolder()));
    EXPECT_FALSE(module->BarButtonVisible(4));
    EXPECT_EQ(ui.errors, Strings{"Vexo Add-In error: the add-in has fired an exception.\r\n"
                                 "Version ist fehlgeschlagen"});
}

INSTANTIATE_TEST_SUITE_P(Hosts, StartUpTest, ::testing::ValuesIn(kStarts), CaseName());

// --- SetCommandState and the host events

TEST_F(ModuleTest, SetCommandStateWritesOnlyChanges) {
    TAddInModule& m = Start(ohaWord);
    m.SetCommandState(1, 1, 0, false);
    EXPECT_TRUE(surface.changes.empty());

    m.SetCommandState(1, 1, 0, true);
    EXPECT_EQ(surface.changes, (Strings{"bar 1", "ribbon 1 0"}));
    EXPECT_FALSE(m.BarButtonEnabled(1));
    EXPECT_FALSE(m.RibbonButtonEnabled(1, 0));
    EXPECT_TRUE(m.BarButtonEnabled(0));
    EXPECT_TRUE(m.RibbonButtonEnabled(0, 0));

    surface.changes.clear();
    m.SetCommandState(1, 1, 0, true);
    EXPECT_TRUE(surface.changes.empty());

    // Bar and ribbon are tested one by one: here only the ribbon button changes.
    m.SetCommandState(1, 0, 0, true);
    EXPECT_EQ(surface.changes, Strings{"ribbon 0 0"});
}

using Handler = void (TAddInModule::*)() noexcept;

struct EventCase {
    const char* name;
    Handler handler;
    bool disables;
};

const EventCase kEvents[] = {
    {"WordDocumentBeforeClose", &TAddInModule::adxWordAppEvents1DocumentBeforeClose, true},
    {"WordNewDocument", &TAddInModule::adxWordAppEvents1NewDocument, false},
    {"WordDocumentOpen", &TAddInModule::adxWordAppEvents1DocumentOpen, false},
    {"WordWindowSelectionChange", &TAddInModule::adxWordAppEvents1WindowSelectionChange, false},
    {"ExcelWorkbookBeforeClose", &TAddInModule::adxExcelAppEvents1WorkbookBeforeClose, true},
    {"ExcelNewWorkbook", &TAddInModule::adxExcelAppEvents1NewWorkbook, false},
    {"ExcelWorkbookOpen", &TAddInModule::adxExcelAppEvents1WorkbookOpen, false},
    {"ExcelSheetSelectionChange", &TAddInModule::adxExcelAppEvents1SheetSelectionChange, false},
};

class EventTest : public ModuleTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(EventTest, SwitchesTheSaveAndInsertPairs) {
    const EventCase& c = GetParam();
    TAddInModule& m = Start(ohaWord);
    if (!c.disables) m.adxWordAppEvents1DocumentBeforeClose();
    surface.changes.clear();

    (m.*c.handler)();
    EXPECT_EQ(surface.changes, (Strings{"bar 0", "ribbon 0 0", "bar 1", "ribbon 1 0"}));
    for (auto [bar, group] : {std::pair{0, 0}, {1, 1}}) {
        EXPECT_EQ(m.BarButtonEnabled(bar), !c.disables);
        EXPECT_EQ(m.RibbonButtonEnabled(group, 0), !c.disables);
    }
    EXPECT_TRUE(m.BarButtonEnabled(2));
    EXPECT_TRUE(m.RibbonButtonEnabled(1, 1));

    surface.changes.clear();
    (m.*c.handler)();
    EXPECT_TRUE(surface.changes.empty());
    EXPECT_TRUE(m.acInsert.Enabled());
    EXPECT_TRUE(ui.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Events, EventTest, ::testing::ValuesIn(kEvents), CaseName());

// --- Clicks reach their commands

TEST_F(ModuleTest, ClicksReachTheirCommands) {
    TAddInModule& m = Start(ohaExcel);
    for (int i : {2, 3, 4, 5, -1, 6}) m.CommandBarButtonClick(i);
    EXPECT_EQ(ui.dialogs, (Strings{"Optionen", "Logfile", "InfoPath", "Info"}));

    ui.dialogs.clear();
    for (auto [g, b] : {std::pair{1, 1}, {1, 2}, {1, 3}, {0, 1}, {1, 4}, {2, 0}})
        m.RibbonButtonClick(g, b);
    EXPECT_EQ(ui.dialogs, (Strings{"Optionen", "Logfile", "Info"}));

    m.CommandBarButtonClick(0);
    m.RibbonButtonClick(0, 0);
    EXPECT_EQ(host.save_as_dialogs, 2);

    m.RibbonButtonClick(1, 0);
    EXPECT_EQ(host.cell, kNumber);
    EXPECT_TRUE(ui.errors.empty());
}

// --- No failure leaves the module

TEST_F(ModuleTest, FailuresOfAnyKindEndInTheErrorBox) {
    TAddInModule& m = Start(ohaExcel);
    ui.on_show = [] { throw Error("Das Fenster kann nicht erstellt werden"); };
    m.acOptionsExecute();
    ui.on_show = [] { throw 42; };
    m.adxRibbonTab1Controls0Controls0Controls2Click();
    EXPECT_EQ(ui.errors, (Strings{"Vexo Add-In error: the add-in has fired an exception.\r\n"
                                  "Das Fenster kann nicht erstellt werden",
                                  "Vexo Add-In error: the add-in has fired an exception.\r\n"
                                  "Unbekannter Fehler"}));

    // Not even a failing error box or a failing surface escapes.
    ui.error_box_fails = true;
    surface.fails = true;
    m.adxExcelAppEvents1WorkbookBeforeClose();
    m.acLogfileExecute();
    EXPECT_EQ(ui.errors.size(), 4u);
}

// --- The document number property

TEST_F(ModuleTest, WritingTheNumberPropertyAddsOrReplaces) {
    TAddInModule& m = Start(ohaWord);
    m.WriteDocumentProperty("VexoCounter", "RE-1");
    m.WriteDocumentProperty("VexoCounter", "RE-2");
    EXPECT_EQ(host.properties, (std::map<std::string, std::string>{{"VexoCounter", "RE-2"}}));
    EXPECT_EQ(host.calls,
              (Strings{"ActiveDocumentProperties", "Properties.Add", "ActiveDocumentProperties",
                       "Properties.Add", "Properties.SetValue"}));
}

TEST_F(ModuleTest, ReadingTheNumberPropertyFallsBackToRechnung) {
    TAddInModule& m = Start(ohaExcel);
    EXPECT_EQ(m.ReadDocumentProperty("VexoCounter"), "Rechnung");
    host.properties["VexoCounter"] = "17";
    EXPECT_EQ(m.ReadDocumentProperty("VexoCounter"), "17");
    host.has_active_document = false;
    EXPECT_EQ(m.ReadDocumentProperty("VexoCounter"), "Rechnung");
    // Reaching the document is no part of the fallback.
    host.failing = {"ActiveDocumentProperties"};
    EXPECT_THROW(m.ReadDocumentProperty("VexoCounter"), Error);
    EXPECT_THROW(m.WriteDocumentProperty("VexoCounter", "1"), Error);
}

}  // namespace
}  // namespace vexo::testing
