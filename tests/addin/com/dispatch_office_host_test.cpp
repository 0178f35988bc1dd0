// The host operations by member name against fake Office objects: arguments as Office wants
// them, and failures as German errors with the host's own description.
#include <gtest/gtest.h>

#include "dispatch.h"
#include "dispatch_office_host.h"
#include "fake_office.h"

namespace vexo::testing {
namespace {

using fake::FakeOffice;
using office::DispatchOfficeHost;

class DispatchOfficeHostTest : public ::testing::Test {
protected:
    fake::ComApartment apartment;
};

TEST_F(DispatchOfficeHostTest, WordFormFieldsByIndexAndByName) {
    FakeOffice office(FakeOffice::Kind::Word, "11.0");
    office.Open("Formular");
    office.active().protection = 2;
    office.active().fields = {{"Kunde", true, ""}, {"Vexo", true, ""}, {"Haken", false, ""}};
    DispatchOfficeHost host(office.application(), ohaWord);

    EXPECT_EQ(host.DocumentCount(), 1);
    EXPECT_EQ(host.ProtectionType(), 2);
    EXPECT_EQ(host.FormFieldCount(), 3);
    EXPECT_EQ(host.FormFieldName(2), "Vexo");
    EXPECT_TRUE(host.FormFieldIsTextInput("Vexo"));
    EXPECT_FALSE(host.FormFieldIsTextInput("Haken"));
    host.SetFormFieldResult("Vexo", "RE-0017");
    EXPECT_EQ(office.active().fields[1].result, "RE-0017");
    host.TypeText("Zeile ä");
    EXPECT_EQ(office.active().text, "Zeile ä");
}

TEST_F(DispatchOfficeHostTest, HostDescriptionBecomesTheMessage) {
    FakeOffice office(FakeOffice::Kind::Word, "11.0");
    DispatchOfficeHost host(office.application(), ohaWord);
    try {
        host.ProtectionType();
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "Dieser Befehl ist nicht verfügbar, weil kein Dokument geöffnet ist.");
    }
}

TEST_F(DispatchOfficeHostTest, DocumentPropertiesAddWithMissingLinkSourceAndOverwrite) {
    FakeOffice office(FakeOffice::Kind::Excel, "11.0");
    office.Open("Mappe1");
    DispatchOfficeHost host(office.application(), ohaExcel);
    auto properties = host.ActiveDocumentProperties();
    ASSERT_TRUE(properties);
    properties->Add("VexoCounter", "0001");
    EXPECT_TRUE(office.active().last_add_omitted_link_source);
    EXPECT_THROW(properties->Add("VexoCounter", "0002"), Error);
    properties->SetValue("VexoCounter", "0002");
    EXPECT_EQ(properties->Value("VexoCounter"), "0002");
    EXPECT_THROW(properties->Value("Fehlt"), Error);

    office.hidden_workbooks_only = true;
    EXPECT_EQ(host.ActiveDocumentProperties(), nullptr);
}

TEST_F(DispatchOfficeHostTest, MissingObjectsFailWithAClearMessage) {
    FakeOffice office(FakeOffice::Kind::Excel, "11.0");
    office.Open("Mappe1");
    office.active().has_active_cell = false;
    DispatchOfficeHost host(office.application(), ohaExcel);
    EXPECT_THROW(
        {
            try {
                host.SetActiveCellFormula("1");
            } catch (const Error& e) {
                EXPECT_NE(std::string(e.what()).find("keine aktive Zelle"), std::string::npos);
                throw;
            }
        },
        Error);
}

TEST_F(DispatchOfficeHostTest, InfoPathDomByNamespaceAndPath) {
    FakeOffice office(FakeOffice::Kind::InfoPath, "12.0");
    office.OpenForm(
        "<my:myFields xmlns:my='http://schemas.microsoft.com/office/infopath/2003/myXSD/"
        "2006-09-06T23:17:34'><my:Nr>alt</my:Nr></my:myFields>",
        "C:\\Formulare\\a.xml", false);
    DispatchOfficeHost host(office.application(), ohaInfoPath);
    EXPECT_EQ(host.FormCount(), 1);
    host.SetSelectionNamespaces(
        "xmlns:my='http://schemas.microsoft.com/office/infopath/2003/myXSD/2006-09-06T23:17:34'");
    EXPECT_EQ(host.NodeText("/my:myFields/my:Nr"), "alt");
    host.SetNodeText("/my:myFields/my:Nr", "RE-0017");
    EXPECT_EQ(host.NodeText("//my:Nr"), "RE-0017");
    EXPECT_EQ(host.FormUri(), "C:\\Formulare\\a.xml");
    EXPECT_FALSE(host.FormIsNew());
    try {
        host.NodeText("/my:myFields/my:Fehlt");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "Der Pfad \"/my:myFields/my:Fehlt\" bezeichnet kein Element des "
                     "Formulars.");
    }
}

TEST_F(DispatchOfficeHostTest, SaveDialogsReceiveTheName) {
    FakeOffice word(FakeOffice::Kind::Word, "11.0");
    DispatchOfficeHost(word.application(), ohaWord).ShowWordSaveAs("RE/17");
    FakeOffice excel(FakeOffice::Kind::Excel, "11.0");
    DispatchOfficeHost(excel.application(), ohaExcel).ShowExcelSaveAs("RE/18");
    ASSERT_EQ(word.dialogs_shown.size(), 1u);
    EXPECT_EQ(word.dialogs_shown[0].id, 84);
    EXPECT_EQ(word.dialogs_shown[0].name, "RE/17");
    ASSERT_EQ(excel.dialogs_shown.size(), 1u);
    EXPECT_EQ(excel.dialogs_shown[0].id, 5);
    EXPECT_EQ(excel.dialogs_shown[0].name, "RE/18");
}

}  // namespace
}  // namespace vexo::testing
