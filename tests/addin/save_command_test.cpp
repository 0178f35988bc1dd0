#include <filesystem>
#include <fstream>

#include "files.h"
#include "module_fixture.h"
#include "save_paths.h"

namespace vexo::testing {
namespace {

const char kNoWorkbook[] = "Kein aktives Arbeitsblatt. Bitte öffnen Sie eine Arbeitsmappe.";
const char kNoDocument[] = "Kein aktives Dokument. Bitte öffnen Sie ein Dokument.";
const char kNoForm[] = "Kein Formular geöffnet. Bitte öffnen Sie ein Formular.";

std::string Sep() {
    return std::string(1, kPathSeparator);
}

// --- Excel and Word: the host's own dialog with the stored number, unchanged.

struct HostDialogCase {
    const char* name;
    TadxOfficeHostApp kind;
    std::function<void(FakeOfficeHost&)> setup;
    const char* dialog;   // expected host dialog
    const char* shown;    // name the dialog was shown with; nullptr for no dialog
    const char* message;  // nullptr for none
};

const HostDialogCase kHostDialogs[] = {
    {"ExcelNumber", ohaExcel, [](FakeOfficeHost& h) { h.properties["VexoCounter"] = kNumber; },
     "ShowExcelSaveAs", kNumber, nullptr},
    {"ExcelWithoutNumber", ohaExcel, [](FakeOfficeHost&) {}, "ShowExcelSaveAs", "Rechnung",
     nullptr},
    {"ExcelOnlyHiddenWorkbooks", ohaExcel, [](FakeOfficeHost& h) { h.has_active_document = false; },
     "ShowExcelSaveAs", "Rechnung", nullptr},
    {"ExcelWithoutWorkbook", ohaExcel, [](FakeOfficeHost& h) { h.workbooks = 0; },
     "ShowExcelSaveAs", nullptr, kNoWorkbook},
    {"WordNumber", ohaWord, [](FakeOfficeHost& h) { h.properties["VexoCounter"] = "A:B*C?"; },
     "ShowWordSaveAs", "A:B*C?", nullptr},
    {"WordWithoutNumber", ohaWord, [](FakeOfficeHost&) {}, "ShowWordSaveAs", "Rechnung", nullptr},
    {"WordPropertyUnreadable", ohaWord,
     [](FakeOfficeHost& h) {
         h.properties["VexoCounter"] = kNumber;
         h.failing = {"Properties.Value"};
     },
     "ShowWordSaveAs", "Rechnung", nullptr},
    {"WordWithoutDocument", ohaWord, [](FakeOfficeHost& h) { h.documents = 0; }, "ShowWordSaveAs",
     nullptr, kNoDocument},
};

class HostSaveTest : public ModuleTest, public ::testing::WithParamInterface<HostDialogCase> {};

TEST_P(HostSaveTest, OpensTheHostDialogWithTheStoredNumber) {
    const HostDialogCase& c = GetParam();
    c.setup(host);
    auto properties = host.properties;
    Start(c.kind).CommandBarButtonClick(0);

    if (c.shown) {
        EXPECT_EQ(host.save_as_dialogs, 1);
        EXPECT_TRUE(host.Called(c.dialog));
        EXPECT_EQ(host.save_as_name, c.shown);
    } else {
        EXPECT_EQ(host.save_as_dialogs, 0);
    }
    EXPECT_EQ(platform.messages,
              c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_TRUE(ui.errors.empty());
    // Saving never issues a number.
    EXPECT_EQ(host.properties, properties);
    EXPECT_EQ(Counter(), 17);
    EXPECT_FALSE(platform.DataFileExists("vexolog.csv"));
}

INSTANTIATE_TEST_SUITE_P(Hosts, HostSaveTest, ::testing::ValuesIn(kHostDialogs), CaseName());

TEST_F(ModuleTest, SaveDoesNothingInOtherHosts) {
    Start(ohaPowerPoint).acSaveExecute();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ModuleTest, AFailingHostDialogIsReported) {
    host.failing = {"ShowWordSaveAs"};
    Start(ohaWord).adxRibbonTab1Controls1Controls0Controls0Click();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0],
              "Vexo Add-In error: the add-in has fired an exception.\r\n"
              "ShowWordSaveAs ist fehlgeschlagen");
}

// --- InfoPath: the form is saved as "<number>.xml" in its own folder or a picked one.

class FormSaveTest : public ModuleTest {
protected:
    FormSaveTest() {
        host.nodes[kNodePath] = kNumber;
        ui.picked_folder = folder.path();
        Start(ohaInfoPath);
    }

    std::string InFolder(const std::string& name) const { return folder.path() + Sep() + name; }
    std::string RememberedFolder() const { return ReadSaveFolder(); }

    TempFolder folder;
};

TEST_F(FormSaveTest, NewFormIsSavedInAPickedFolderUnderASafeName) {
    module->CommandBarButtonClick(0);

    EXPECT_EQ(host.namespaces, kNamespace);
    EXPECT_EQ(ui.picker_starts, std::vector<std::string>{"C:\\"});
    EXPECT_EQ(RememberedFolder(), folder.path());
    // "/" in the number would have written outside the folder.
    EXPECT_EQ(host.dialog_file_name, "RE-2008_03-0017.xml");
    EXPECT_EQ(host.dialog_location, folder.path());
    EXPECT_EQ(host.saved_forms, std::vector<std::string>{InFolder("RE-2008_03-0017.xml")});
    std::vector<std::string> tail(host.calls.end() - 3, host.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"SetSaveAsDialogFileName", "SetSaveAsDialogLocation",
                                              "SaveFormAs"}));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(ui.overwrite_questions.empty());
    EXPECT_EQ(Counter(), 17);
    EXPECT_FALSE(platform.DataFileExists("vexolog.csv"));
}

TEST_F(FormSaveTest, PickerStartsAtTheRememberedFolder) {
    UpdateSettings([](Settings& s) { s.SetText("InfoPath", "SaveFolder", "D:\\Rechnungen"); });
    module->acSaveExecute();
    EXPECT_EQ(ui.picker_starts, std::vector<std::string>{"D:\\Rechnungen"});
}

TEST_F(FormSaveTest, PickedFolderWithSeparatorGetsNoSecondOne) {
    ui.picked_folder = folder.path() + Sep();
    module->acSaveExecute();
    EXPECT_EQ(host.saved_forms, std::vector<std::string>{InFolder("RE-2008_03-0017.xml")});
    EXPECT_EQ(host.dialog_location, folder.path() + Sep());
}

TEST_F(FormSaveTest, FormFromAnExistingFolderIsSavedThereWithoutPicker) {
    host.is_new = false;
    host.uri = InFolder("Vorlage.xml");
    module->acSaveExecute();
    EXPECT_TRUE(ui.picker_starts.empty());
    EXPECT_EQ(host.dialog_location, folder.path() + Sep());
    EXPECT_EQ(host.saved_forms, std::vector<std::string>{InFolder("RE-2008_03-0017.xml")});
    EXPECT_EQ(RememberedFolder(), "C:\\");
}

TEST_F(FormSaveTest, OtherLocationsAskForAFolder) {
    for (const std::string& uri :
         std::vector<std::string>{"http://server/formulare/rechnung.xml", "rechnung.xml",
                                  folder.path() + Sep() + "fehlt" + Sep() + "rechnung.xml"}) {
        SCOPED_TRACE(uri);
        host.is_new = false;
        host.uri = uri;
        ui.picker_starts.clear();
        host.saved_forms.clear();
        module->acSaveExecute();
        EXPECT_EQ(ui.picker_starts.size(), 1u);
        EXPECT_EQ(host.saved_forms, std::vector<std::string>{InFolder("RE-2008_03-0017.xml")});
    }
}

TEST_F(FormSaveTest, CancelledPickerSavesNothing) {
    ui.picked_folder.reset();
    module->acSaveExecute();
    EXPECT_EQ(ui.picker_starts.size(), 1u);
    EXPECT_TRUE(host.saved_forms.empty());
    EXPECT_FALSE(host.Called("SetSaveAsDialogFileName"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(RememberedFolder(), "C:\\");
}

struct OverwriteCase {
    const char* name;
    OverwriteAnswer answer;
    bool saved;
};

const OverwriteCase kOverwrites[] = {
    {"Ja", OverwriteAnswer::Yes, true},
    {"Nein", OverwriteAnswer::No, false},
    {"Abbrechen", OverwriteAnswer::Cancel, false},
};

class OverwriteTest : public FormSaveTest, public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(OverwriteTest, AsksBeforeReplacingAFile) {
    std::string path = InFolder("RE-2008_03-0017.xml");
    std::ofstream(std::filesystem::u8path(path)) << "<alt/>";
    ui.overwrite_answer = GetParam().answer;
    module->acSaveExecute();

    EXPECT_EQ(ui.overwrite_questions,
              std::vector<std::string>{"Die Datei '" + path +
                                       "' existiert bereits.\r\nSoll die Datei überschrieben "
                                       "werden?"});
    EXPECT_EQ(host.saved_forms.size(), GetParam().saved ? 1u : 0u);
    // The folder picked in this run stays remembered whatever the answer.
    EXPECT_EQ(RememberedFolder(), folder.path());
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwriteTest, ::testing::ValuesIn(kOverwrites), CaseName());

TEST_F(FormSaveTest, FormWithoutNumberIsNotSaved) {
    host.nodes[kNodePath] = "";
    module->acSaveExecute();
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Das Formular enthält keine Rechnungsnummer unter "
                                       "/my:Rechnung/my:Nummer"});
    EXPECT_TRUE(ui.picker_starts.empty());
    EXPECT_TRUE(host.saved_forms.empty());
}

TEST_F(FormSaveTest, NoOpenFormIsRefused) {
    host.forms = 0;
    module->acSaveExecute();
    EXPECT_EQ(platform.messages, std::vector<std::string>{kNoForm});
    EXPECT_FALSE(host.Called("NodeText"));
}

TEST_F(FormSaveTest, EmptySettingsReadNothingFromTheForm) {
    platform.WriteDataFile("vexo.ini", "[InfoPath]\r\nxNameSpace=\r\nxPath=/my:N\r\n");
    module->acSaveExecute();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(host.Called("SetSelectionNamespaces"));
    EXPECT_FALSE(host.Called("NodeText"));
}

TEST_F(FormSaveTest, HostFailuresEndTheSave) {
    for (const char* failing : {"NodeText", "SaveFormAs", "FormUri"}) {
        SCOPED_TRACE(failing);
        host.failing = {failing};
        ui.errors.clear();
        module->acSaveExecute();
        ASSERT_EQ(ui.errors.size(), 1u);
        EXPECT_NE(ui.errors[0].find(failing), std::string::npos);
    }
    host.failing.clear();
    host.nodes.clear();  // the path selects no node
    ui.errors.clear();
    module->acSaveExecute();
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_TRUE(host.saved_forms.empty());
}

// --- Names and paths

TEST(FormFileName, ReplacesEveryCharacterWindowsForbids) {
    const std::pair<std::string, std::string> cases[] = {
        {"RE-2008-03/0017", "RE-2008-03_0017.xml"},
        {"a\\b/c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j.xml"},
        {"..\\..\\Windows\\x", ".._.._Windows_x.xml"},
        {std::string("Tab\tCR\rLF\n\x01\x1f", 13), "Tab_CR_LF____.xml"},
        {"Grüße 2008.03 #17", "Grüße 2008.03 #17.xml"},
    };
    for (const auto& [number, name] : cases) EXPECT_EQ(FormFileName(number), name) << number;
}

TEST(LocationFolder, EndsAtTheLastSeparatorOrColon) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Formulare\\R1.xml", "C:\\Formulare\\"}, {"C:R1.xml", "C:"}, {"R1.xml", ""}, {"", ""},
#ifdef _WIN32
        {"http://server/formulare/r.xml", "http:"},
#else
        {"/home/buchhaltung/r.xml", "/home/buchhaltung/"},
#endif
    };
    for (const auto& [location, folder] : cases) EXPECT_EQ(LocationFolder(location), folder);
}

TEST(OverwriteQuestion, DoublesSingleQuotesInThePath) {
    EXPECT_EQ(OverwriteQuestion("C:\\O'Neil\\R1.xml"),
              "Die Datei 'C:\\O''Neil\\R1.xml' existiert bereits.\r\nSoll die Datei "
              "überschrieben werden?");
}

}  // namespace
}  // namespace vexo::testing
