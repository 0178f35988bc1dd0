// The add-in glue connected to fake Office hosts inside the test process: what each host gets
// from one connection, the command bar and ribbon, events, the re-arm and the teardown.
#include <gtest/gtest.h>
#include <ocidl.h>

#include <vector>

#include "addin_module.h"
#include "command_bar.h"
#include "counter.h"
#include "dispatch.h"
#include "fake_office.h"
#include "issue_log.h"
#include "message_boxes.h"
#include "ribbon_xml.h"
#include "support/test_platform.h"
#include "test_addin.h"

namespace vexo::testing {
namespace {

using fake::FakeOffice;
using fake::HostCase;
using fake::kEveryHost;
using Kind = FakeOffice::Kind;
using office::kBarName;

constexpr const char* kInsertButton = "adxRibbonButtonCEE2D128D81940E9B970ABAB598A8918";
constexpr const char* kSaveButton = "adxRibbonButton8C5B153EB84E4FAEBFBB83923A01C3FA";

// The pixels of a picture's bitmap as 0x00RRGGBB, top row first.
std::vector<DWORD> Pixels(const office::Variant& picture, int& width) {
    auto typed = picture.ToObject().As<IPicture>(IID_IPicture);
    OLE_HANDLE handle = 0;
    if (!typed || FAILED(typed->get_Handle(&handle))) return {};
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    width = info.bmWidth;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return pixels;
}

bool Bool(const office::Variant& v) {
    return V_VT(v.Get()) == VT_BOOL && V_BOOL(v.Get()) != VARIANT_FALSE;
}

class AddinConnectionTest : public ::testing::Test {
protected:
    fake::ComApartment apartment;
    TestPlatform platform;
    fake::MessageBoxes boxes;
    TestAddin addin;

    // One insert through whatever surface the host shows.
    void ClickInsert(FakeOffice& office) {
        if (office.has_ribbon())
            office.ClickRibbon(kInsertButton);
        else
            office.Click(kBarName, 1);
    }
    void ClickSave(FakeOffice& office) {
        if (office.has_ribbon())
            office.ClickRibbon(kSaveButton);
        else
            office.Click(kBarName, 0);
    }
};

class EachHost : public AddinConnectionTest, public ::testing::WithParamInterface<HostCase> {};

TEST_P(EachHost, InsertsNumberLogsItAndSavesUnderIt) {
    const HostCase& c = GetParam();
    FakeOffice office(c.kind, c.version);
    TempFolder folder;
    if (c.kind == Kind::InfoPath) {
        platform.WriteDataFile(
            "vexo.ini",
            "[InfoPath]\r\nxNameSpace=xmlns:my='urn:vexo'\r\nxPath=/my:Rechnung/my:Nummer\r\n");
        office.OpenForm("<my:Rechnung xmlns:my='urn:vexo'><my:Nummer/></my:Rechnung>",
                        folder.path() + "\\Formular1.xml", false);
    } else {
        office.Open("Mappe1");
    }
    std::string number = ReadNextNumber();
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);

    ClickInsert(office);

    switch (c.kind) {
        case Kind::Excel: EXPECT_EQ(office.active().cell, number); break;
        case Kind::Word: EXPECT_EQ(office.active().text, number); break;
        case Kind::InfoPath:
            EXPECT_NE(office.FormXml(0).find("<my:Nummer>" + number + "</my:Nummer>"),
                      std::string::npos);
            break;
    }
    auto log = ReadIssueLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].number, number);
    EXPECT_EQ(log[0].application, c.application);
    EXPECT_NE(ReadNextNumber(), number);
    EXPECT_TRUE(boxes.shown().empty());
    if (c.kind != Kind::InfoPath) {
        EXPECT_EQ(office.active().properties["VexoCounter"].value, number);
        EXPECT_EQ(office.active().properties["VexoCounter"].type, 4);
        EXPECT_TRUE(office.active().last_add_omitted_link_source);
        ClickSave(office);
        ASSERT_EQ(office.dialogs_shown.size(), 1u);
        EXPECT_EQ(office.dialogs_shown[0].id, c.kind == Kind::Excel ? 5 : 84);
        EXPECT_EQ(office.dialogs_shown[0].name, number);
    }
}

INSTANTIATE_TEST_SUITE_P(Hosts, EachHost, ::testing::ValuesIn(kEveryHost));

TEST_F(AddinConnectionTest, CommandBarCarriesEverySettingAndIsReusedOnTheNextStart) {
    FakeOffice office(Kind::Word, "11.0");
    office.Open("Dokument1");
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
    EXPECT_TRUE(office.ribbon_xml().empty());

    auto bar = office.Bar(kBarName);
    ASSERT_TRUE(bar);
    EXPECT_EQ(office::Variant(bar->Stored(L"Protection")).ToInt("Protection"), 1);
    EXPECT_TRUE(Bool(bar->Stored(L"Visible")));
    auto controls = office.Controls(kBarName);
    ASSERT_EQ(controls.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const office::BarButtonSpec& spec = office::kBarButtons[i];
        auto& c = controls[i];
        EXPECT_EQ(c->Stored(L"Caption").ToText("Caption"), office::Narrow(spec.caption));
        EXPECT_EQ(c->Stored(L"Tag").ToText("Tag"), office::Narrow(spec.tag));
        EXPECT_EQ(c->Stored(L"Style").ToInt("Style"), spec.style);
        EXPECT_EQ(c->Stored(L"TooltipText").ToText("Tip"), office::Narrow(spec.tooltip));
        EXPECT_EQ(c->Stored(L"DescriptionText").ToText("D"), office::Narrow(spec.description));
        EXPECT_EQ(Bool(c->Stored(L"BeginGroup")), spec.begin_group);
        EXPECT_EQ(Bool(c->Stored(L"Visible")), i != 4) << i;  // "InfoPath..." only in InfoPath
        EXPECT_EQ(c->Stored(L"Picture").Type(), VT_DISPATCH);
        EXPECT_EQ(c->Stored(L"Mask").Type(), VT_DISPATCH);
    }
    for (auto& c : controls) {  // the mask is white exactly where the picture is magenta
        int width = 0, mask_width = 0;
        auto picture = Pixels(c->Stored(L"Picture"), width);
        auto mask = Pixels(c->Stored(L"Mask"), mask_width);
        ASSERT_EQ(width, 16);
        ASSERT_EQ(mask_width, 16);
        ASSERT_EQ(picture.size(), mask.size());
        int transparent = 0;
        for (size_t i = 0; i < picture.size(); ++i) {
            bool magenta = (picture[i] & 0xFFFFFF) == 0xFF00FF;
            transparent += magenta;
            EXPECT_EQ(mask[i] & 0xFFFFFF, magenta ? 0xFFFFFFu : 0u) << i;
        }
        EXPECT_GT(transparent, 0);
        EXPECT_LT(transparent, 256);
    }
    EXPECT_EQ(controls[0]->Stored(L"Caption").ToText(""), "Speichern unter...");
    EXPECT_EQ(controls[1]->Stored(L"TooltipText").ToText(""), "Nächste Rechnungsnummer einfügen");
    EXPECT_EQ(office.ClickSinks(kBarName), 6);

    ASSERT_EQ(office.DisconnectAddin(), S_OK);
    EXPECT_EQ(office.ClickSinks(kBarName), 0);
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
    EXPECT_EQ(office.BarsAdded(), 1);
    EXPECT_EQ(office.BarCount(kBarName), 1);
    EXPECT_EQ(office.Controls(kBarName).size(), 6u);
    EXPECT_EQ(office.ClickSinks(kBarName), 6);
    std::string number = ReadNextNumber();
    office.Click(kBarName, 1);
    EXPECT_EQ(office.active().text, number);
}

TEST_F(AddinConnectionTest, InfoPathShowsItsSettingsButtonAndTheBarFromVersion12On) {
    FakeOffice office(Kind::InfoPath, "12.0");
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
    auto controls = office.Controls(kBarName);
    ASSERT_EQ(controls.size(), 6u);
    EXPECT_TRUE(Bool(controls[4]->Stored(L"Visible")));
    EXPECT_EQ(office.ApplicationSinks(), 0);
}

TEST_F(AddinConnectionTest, DisconnectionLeavesNothingBehind) {
    for (Kind kind : {Kind::Excel, Kind::Word}) {
        FakeOffice office(kind, "11.0");
        office.Open("Doc");
        ULONG refs = addin.refs();
        ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
        EXPECT_EQ(office.ApplicationSinks(), 1);
        EXPECT_EQ(office.AddinObject().Get(), static_cast<IDispatch*>(&addin));
        EXPECT_TRUE(addin.connection().connected());
        office.Click(kBarName, 1);  // leaves the re-arm timer running

        ASSERT_EQ(office.DisconnectAddin(), S_OK);
        EXPECT_FALSE(addin.connection().connected());
        EXPECT_EQ(office.ApplicationSinks(), 0);
        EXPECT_EQ(office.ClickSinks(kBarName), 0);
        EXPECT_FALSE(office.AddinObject());
        EXPECT_EQ(addin.refs(), refs);
        fake::PumpMessages(600);  // a stopped timer calls nobody
        EXPECT_EQ(office.BarCount(kBarName), 1);
    }
}

TEST_F(AddinConnectionTest, UserUnloadingTheAddinRemovesTheBar) {
    FakeOffice office(Kind::Excel, "11.0");
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
    ASSERT_EQ(office.DisconnectAddin(office::ext_dm_UserClosed), S_OK);
    EXPECT_EQ(office.BarCount(kBarName), 0);
}

TEST_F(AddinConnectionTest, InsertIsGuardedUntilTheTimerReArmsIt) {
    FakeOffice office(Kind::Word, "11.0");
    office.Open("Dokument1");
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
    auto insert = office.Controls(kBarName)[1];
    std::string first = ReadNextNumber();

    office.Click(kBarName, 1);
    EXPECT_FALSE(Bool(insert->Stored(L"Enabled")));
    office.Click(kBarName, 1);  // within 500 ms: nothing
    EXPECT_EQ(office.active().text, first);

    fake::PumpMessages(700);
    EXPECT_TRUE(Bool(insert->Stored(L"Enabled")));
    std::string second = ReadNextNumber();
    office.Click(kBarName, 1);
    EXPECT_EQ(office.active().text, first + second);
    EXPECT_EQ(ReadIssueLog().size(), 2u);
}

TEST_F(AddinConnectionTest, HostEventsSwitchSaveAndInsertOnTheBar) {
    struct EventCase {
        Kind kind;
        DISPID close, open;
    };
    for (const EventCase& c : {EventCase{Kind::Word, office::dispid::kWordDocumentBeforeClose,
                                         office::dispid::kWordWindowSelectionChange},
                               EventCase{Kind::Excel, office::dispid::kExcelWorkbookBeforeClose,
                                         office::dispid::kExcelSheetSelectionChange}}) {
        FakeOffice office(c.kind, "11.0");
        office.Open("Doc");
        ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
        auto controls = office.Controls(kBarName);
        int writes = controls[0]->Writes(L"Enabled");

        office.FireApplicationEvent(c.close);
        EXPECT_FALSE(Bool(controls[0]->Stored(L"Enabled")));
        EXPECT_FALSE(Bool(controls[1]->Stored(L"Enabled")));
        office.FireApplicationEvent(c.close);  // no change, nothing written
        EXPECT_EQ(controls[0]->Writes(L"Enabled"), writes + 1);

        office.FireApplicationEvent(c.open);
        EXPECT_TRUE(Bool(controls[0]->Stored(L"Enabled")));
        EXPECT_TRUE(Bool(controls[1]->Stored(L"Enabled")));
        ASSERT_EQ(office.DisconnectAddin(), S_OK);
    }
}

TEST_F(AddinConnectionTest, RibbonServesStatesAndInvalidatesOnlyTheChangedButton) {
    FakeOffice office(Kind::Excel, "12.0");
    office.Open("Mappe1");
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
    EXPECT_FALSE(office.Bar(kBarName));
    EXPECT_TRUE(office.RibbonEnabled(kInsertButton));
    EXPECT_TRUE(office.RibbonEnabled(kSaveButton));
    for (const auto& button : office::kRibbonButtons) {
        int width = 0;
        auto pixels = Pixels(office::Variant::Object(office.RibbonImage(button.id).Get()), width);
        EXPECT_EQ(width, button.large ? 32 : 16) << button.id;
        int clear = 0, solid = 0;
        for (DWORD p : pixels) clear += (p >> 24) == 0, solid += (p >> 24) == 0xFF;
        EXPECT_GT(clear, 0) << button.id;
        EXPECT_GT(solid, 0) << button.id;
    }

    office.ClickRibbon(kInsertButton);
    EXPECT_EQ(office.invalidated, std::vector<std::wstring>{office::Wide(kInsertButton)});
    EXPECT_FALSE(office.RibbonEnabled(kInsertButton));
    fake::PumpMessages(700);
    EXPECT_EQ(office.invalidated.size(), 2u);
    EXPECT_TRUE(office.RibbonEnabled(kInsertButton));

    office.invalidated.clear();
    office.FireApplicationEvent(office::dispid::kExcelWorkbookBeforeClose);
    EXPECT_EQ(office.invalidated,
              (std::vector<std::wstring>{office::Wide(kSaveButton), office::Wide(kInsertButton)}));
    EXPECT_FALSE(office.RibbonEnabled(kSaveButton));
}

TEST_F(AddinConnectionTest, RibbonXmlOnlyForWorkbookAndDocumentRibbons) {
    office::Bstr xml;
    for (const wchar_t* id : {L"Microsoft.Excel.Workbook", L"Microsoft.Word.Document"}) {
        ASSERT_EQ(addin.connection().GetCustomUI(office::Bstr(id).Get(), xml.Put()), S_OK);
        EXPECT_EQ(xml.Narrow(), office::RibbonXml());
    }
    for (const wchar_t* id : {L"Microsoft.Outlook.Mail.Read", L""}) {
        ASSERT_EQ(addin.connection().GetCustomUI(office::Bstr(id).Get(), xml.Put()), S_OK);
        EXPECT_EQ(xml.Get(), nullptr);
    }
}

TEST_F(AddinConnectionTest, ObjectOfAScriptCreatesNoModule) {
    EXPECT_FALSE(addin.connection().connected());
    DISPID id;
    ASSERT_EQ(addin.connection().GetIdOfName(L"getribbonenabled", &id), S_OK);
    office::Variant result;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    ASSERT_EQ(addin.connection().Invoke(id, DISPATCH_METHOD, &none, result.Get(), nullptr, nullptr),
              S_OK);
    EXPECT_FALSE(Bool(result));
    EXPECT_EQ(addin.connection().GetIdOfName(L"ReadCounter", &id), DISP_E_UNKNOWNNAME);
}

TEST_F(AddinConnectionTest, FailureReachesTheErrorBoxNotTheHost) {
    FakeOffice office(Kind::Excel, "11.0");
    office.Open("Mappe1");
    office.active().has_active_cell = false;  // a chart sheet is active
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
    std::string number = ReadNextNumber();

    office.Click(kBarName, 1);

    auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Vexo Add-In");
    EXPECT_EQ(shown[0].text, FormatAddInError("Es gibt keine aktive Zelle. Bitte wählen Sie eine "
                                              "Zelle in einem Arbeitsblatt."));
    EXPECT_EQ(ReadNextNumber(), number);
    EXPECT_TRUE(ReadIssueLog().empty());
}

TEST_F(AddinConnectionTest, OverwriteQuestionDecidesTheInfoPathSave) {
    struct Case {
        int answer;
        bool saved;
    };
    for (const Case& c : {Case{IDYES, true}, Case{IDNO, false}, Case{IDCANCEL, false}}) {
        TempFolder folder;
        platform.WriteDataFile(
            "vexo.ini", "[InfoPath]\r\nxNameSpace=xmlns:my='urn:vexo'\r\nxPath=/my:R/my:Nr\r\n");
        FakeOffice office(Kind::InfoPath, "12.0");
        office.OpenForm("<my:R xmlns:my='urn:vexo'><my:Nr>RE-9</my:Nr></my:R>",
                        folder.path() + "\\Formular.xml", false);
        std::string target = folder.path() + "\\RE-9.xml";
        {
            HANDLE f = CreateFileW(office::Wide(target).c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_NEW, 0, nullptr);
            ASSERT_NE(f, INVALID_HANDLE_VALUE);
            CloseHandle(f);
        }
        boxes.set_answer(c.answer);
        size_t before = boxes.shown().size();
        ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
        office.Click(kBarName, 0);

        auto shown = boxes.shown();
        ASSERT_EQ(shown.size(), before + 1);
        EXPECT_EQ(shown.back().caption, "Warnung");
        EXPECT_EQ(shown.back().text,
                  "Die Datei '" + target +
                      "' existiert bereits.\r\nSoll die Datei überschrieben werden?");
        EXPECT_EQ(office.forms[0].saved_as, c.saved ? target : "");
        ASSERT_EQ(office.DisconnectAddin(), S_OK);
    }
}

TEST_F(AddinConnectionTest, NewInfoPathFormAsksForTheFolder) {
    platform.WriteDataFile("vexo.ini",
                           "[InfoPath]\r\nxNameSpace=xmlns:my='urn:vexo'\r\nxPath=/my:R/my:Nr\r\n");
    FakeOffice office(Kind::InfoPath, "12.0");
    office.OpenForm("<my:R xmlns:my='urn:vexo'><my:Nr>RE-9</my:Nr></my:R>", "", true);
    boxes.set_answer(IDCANCEL);
    ASSERT_EQ(office.ConnectAddin(&addin), S_OK);
    office.Click(kBarName, 0);

    auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Ordner wählen");
    EXPECT_EQ(shown[0].text, "Speicherort für InfoPath XML-Formulare wählen");
    EXPECT_EQ(office.forms[0].saved_as, "");
}

// Office calls IDTExtensibility2 through its vtable; a host that used IDispatch (DISPIDs 1-5)
// and GetCustomUI (DISPID 1 of IRibbonExtensibility) reaches the same code.
TEST_F(AddinConnectionTest, AddinInterfacesAnswerThroughIDispatchWithOneIdentity) {
    FakeOffice office(Kind::Word, "12.0");
    office.Open("Dokument1");
    office::ComPtr<IUnknown> identity;
    addin.QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Put()));
    auto extensibility = identity.As<IDispatch>(office::IID_IDTExtensibility2);
    auto ribbon = extensibility.As<IDispatch>(office::IID_IRibbonExtensibility);
    ASSERT_TRUE(extensibility && ribbon);
    EXPECT_EQ(ribbon.As<IUnknown>(IID_IUnknown).Get(), identity.Get());
    EXPECT_EQ(extensibility.As<IUnknown>(IID_IUnknown).Get(), identity.Get());

    auto com_addin = fake::DispatchObject::New();
    com_addin->AcceptAnyProperty();
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    office::Variant custom_ref;
    V_VT(custom_ref.Get()) = VT_ARRAY | VT_VARIANT | VT_BYREF;
    V_ARRAYREF(custom_ref.Get()) = &custom;
    office::Call(extensibility.Get(), L"OnConnection",
                 {office::Variant::Object(office.application()),
                  office::Variant::Int(office::ext_cm_Startup),
                  office::Variant::Object(com_addin.Get()), custom_ref});
    EXPECT_TRUE(addin.connection().connected());
    EXPECT_EQ(com_addin->Stored(L"Object").ToObject().Get(), static_cast<IDispatch*>(&addin));
    std::string xml = office::Call(ribbon.Get(), L"GetCustomUI",
                                   {office::Variant::Text("Microsoft.Word.Document")})
                          .ToText("GetCustomUI");
    EXPECT_EQ(xml, office::RibbonXml());
    for (const wchar_t* name : {L"OnStartupComplete", L"OnAddInsUpdate", L"OnBeginShutdown"})
        office::Call(extensibility.Get(), name, {custom_ref});
    office::Call(extensibility.Get(), L"OnDisconnection",
                 {office::Variant::Int(office::ext_dm_HostShutdown), custom_ref});
    EXPECT_FALSE(addin.connection().connected());
    EXPECT_EQ(office.ApplicationSinks(), 0);
    SafeArrayDestroy(custom);
}

TEST_F(AddinConnectionTest, UnknownHostIsRefused) {
    auto app = fake::DispatchObject::New();
    app->Property(L"Name",
                  [](const fake::Args&) { return office::Variant::Text("Microsoft Visio"); });
    EXPECT_EQ(addin.connection().OnConnection(app.Get(), office::ext_cm_Startup, nullptr), E_FAIL);
    EXPECT_FALSE(addin.connection().connected());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find("nur Excel, Word und InfoPath"), std::string::npos);
}

}  // namespace
}  // namespace vexo::testing
