// Vexo.dll registered for the user of the Wine prefix and loaded by fake Office hosts as Office
// loads it: ProgID, CoCreateInstance, IDTExtensibility2, IRibbonExtensibility. The data folder
// is the prefix user's %APPDATA%\Ostrak\Vexo.
#include <gtest/gtest.h>

#include "counter.h"
#include "dispatch.h"
#include "dll_fixture.h"
#include "fake_office.h"
#include "files.h"
#include "issue_log.h"
#include "message_boxes.h"
#include "settings.h"
#include "support/test_platform.h"

namespace vexo::testing {
namespace {

using fake::FakeOffice;
using fake::HostCase;
using fake::kEveryHost;
using Kind = FakeOffice::Kind;
constexpr wchar_t kBar[] = L"Ostrak Vexo";
constexpr wchar_t kProgId[] = L"Vexo.VexoClass";
constexpr const char* kInsertButton = "adxRibbonButtonCEE2D128D81940E9B970ABAB598A8918";
constexpr const char* kSaveButton = "adxRibbonButton8C5B153EB84E4FAEBFBB83923A01C3FA";

class OfficeDllTest : public ::testing::Test {
protected:
    void SetUp() override { fake::ResetDataFolder(); }
    void TearDown() override { fake::ResetDataFolder(); }

    fake::ComApartment apartment;
    fake::MessageBoxes boxes;
};

class InEachHost : public OfficeDllTest, public ::testing::WithParamInterface<HostCase> {};

TEST_P(InEachHost, NumberInsertedLoggedStoredAndSavedUnder) {
    const HostCase& c = GetParam();
    TempFolder folder;
    FakeOffice office(c.kind, c.version);
    if (c.kind == Kind::InfoPath) {
        UpdateSettings([](Settings& s) {
            s.SetText(keys::kInfoPath, keys::kNameSpace, "xmlns:my='urn:vexo:rechnung'");
            s.SetText(keys::kInfoPath, keys::kPath, "/my:Rechnung/my:Nummer");
        });
        office.OpenForm("<my:Rechnung xmlns:my='urn:vexo:rechnung'><my:Nummer/></my:Rechnung>",
                        folder.path() + "\\Formular1.xml", false);
    } else {
        office.Open("Dokument1");
    }
    std::string number = ReadNextNumber();
    ASSERT_EQ(office.LoadAddin(kProgId), S_OK);
    EXPECT_EQ(office.has_ribbon(), !office.Bar(kBar));

    if (office.has_ribbon())
        office.ClickRibbon(kInsertButton);
    else
        office.Click(kBar, 1);

    auto log = ReadIssueLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].number, number);
    EXPECT_EQ(log[0].application, c.application);
    switch (c.kind) {
        case Kind::Excel: EXPECT_EQ(office.active().cell, number); break;
        case Kind::Word: EXPECT_EQ(office.active().text, number); break;
        case Kind::InfoPath: break;
    }

    if (office.has_ribbon())
        office.ClickRibbon(kSaveButton);
    else
        office.Click(kBar, 0);
    if (c.kind == Kind::InfoPath) {
        std::string saved = folder.path() + "\\" + number + ".xml";
        EXPECT_EQ(office.forms[0].saved_as, saved);
        auto xml = files::ReadAll(saved);
        ASSERT_TRUE(xml);
        EXPECT_NE(xml->find("<my:Nummer>" + number + "</my:Nummer>"), std::string::npos);
    } else {
        // The property written, then read back by the save command for its dialog.
        EXPECT_EQ(office.active().properties["VexoCounter"].value, number);
        ASSERT_EQ(office.dialogs_shown.size(), 1u);
        EXPECT_EQ(office.dialogs_shown[0].id, c.kind == Kind::Excel ? 5 : 84);
        EXPECT_EQ(office.dialogs_shown[0].name, number);
    }
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(office.DisconnectAddin(), S_OK);
}

INSTANTIATE_TEST_SUITE_P(Hosts, InEachHost, ::testing::ValuesIn(kEveryHost));

TEST_F(OfficeDllTest, MacroReachesTheConnectedObjectThroughComAddIns) {
    FakeOffice office(Kind::Word, "11.0");
    office.Open("Dokument1");
    ASSERT_EQ(office.LoadAddin(kProgId), S_OK);
    office::ComPtr<IDispatch> object = office.AddinObject();
    ASSERT_TRUE(object);
    std::string next = ReadNextNumber();
    EXPECT_EQ(office::Get(object.Get(), L"ReadCounter").ToText("ReadCounter"), next);
    std::string after = office::Get(object.Get(), L"SetCounter").ToText("SetCounter");
    EXPECT_EQ(after, ReadNextNumber());
    auto log = ReadIssueLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].number, next);
    EXPECT_EQ(log[0].application, "Word 11.0");
    ASSERT_EQ(office.DisconnectAddin(), S_OK);
    EXPECT_FALSE(office.AddinObject());
}

TEST_F(OfficeDllTest, SecondStartReusesTheBarAndDisconnectionLeavesNothing) {
    {
        FakeOffice office(Kind::Excel, "11.0");
        office.Open("Mappe1");
        for (int start = 0; start < 2; ++start) {
            ASSERT_EQ(office.LoadAddin(kProgId), S_OK);
            EXPECT_EQ(office.BarCount(kBar), 1);
            EXPECT_EQ(office.Controls(kBar).size(), 6u);
            EXPECT_EQ(office.ClickSinks(kBar), 6);
            EXPECT_EQ(office.ApplicationSinks(), 1);
            office.Click(kBar, 1);  // the re-arm timer is still running at disconnection
            ASSERT_EQ(office.DisconnectAddin(), S_OK);
            EXPECT_EQ(office.ClickSinks(kBar), 0);
            EXPECT_EQ(office.ApplicationSinks(), 0);
        }
        EXPECT_EQ(office.BarsAdded(), 1);
        EXPECT_EQ(ReadIssueLog().size(), 2u);
        fake::PumpMessages(600);
    }
    EXPECT_EQ(fake::VexoDll().CanUnloadNow(), S_OK);
}

TEST_F(OfficeDllTest, ObjectOfAScriptIsNeverConnected) {
    FakeOffice office(Kind::Word, "11.0");
    {
        CLSID clsid;
        ASSERT_EQ(CLSIDFromProgID(kProgId, &clsid), S_OK);
        office::ComPtr<IDispatch> script;
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(script.Put())),
                  S_OK);
        EXPECT_EQ(office::Get(script.Get(), L"ReadCounter").ToText(""), ReadNextNumber());
        EXPECT_FALSE(office.Bar(kBar));
        EXPECT_TRUE(script.As<IUnknown>(office::IID_IDTExtensibility2));
    }
    EXPECT_EQ(fake::VexoDll().CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace vexo::testing
