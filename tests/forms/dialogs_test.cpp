// The dialogs driven by messages, as Windows delivers them, with a private data folder.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "dialog_controls.h"
#include "dialog_driver.h"
#include "dialogs.h"
#include "error.h"
#include "module_version.h"
#include "resource_ids.h"
#include "support/test_platform.h"

namespace vexo::forms {
namespace {

using namespace testing;
using vexo::testing::TestPlatform;

const char kSevenKeys[] =
    "[Zaehler]\r\nCounter=17\r\n\r\n[Optionen]\r\nTextBefore=\"\"\r\nPrefix=3\r\nSep=2\r\n"
    "TextAfter=\"\"\r\nPadding=3\r\nLeadingText=1\r\n";

int Selection(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

struct ToolTipSearch {
    HWND dialog, tooltip;
};

BOOL CALLBACK FindToolTip(HWND window, LPARAM data) {
    auto s = reinterpret_cast<ToolTipSearch*>(data);
    wchar_t name[64];
    GetClassNameW(window, name, 64);
    if (std::wstring(name) != TOOLTIPS_CLASSW || GetWindow(window, GW_OWNER) != s->dialog)
        return TRUE;
    s->tooltip = window;
    return FALSE;
}

// The text of the tool tip that the dialog's tooltip window shows for a control.
std::wstring ToolTip(HWND dialog, int id) {
    ToolTipSearch search{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindToolTip, reinterpret_cast<LPARAM>(&search));
    if (!search.tooltip) return L"(no tooltip window)";
    wchar_t text[128] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = search.dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
    tool.lpszText = text;
    SendMessageW(search.tooltip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST(OptionsDialog, OpensWithItsDefaultsAndCancelWritesNothing) {
    TestPlatform platform;
    ASSERT_TRUE(DriveDialog(
        L"Vexo Optionen", [] { ShowOptionsDialog(nullptr); }, {[&](HWND d) {
            EXPECT_EQ(ItemText(d, kOptionsCounter), L"1");
            EXPECT_EQ(ItemText(d, kOptionsTextBefore), L"");
            EXPECT_EQ(SendDlgItemMessageW(d, kOptionsPrefix, CB_GETCOUNT, 0, 0), 12);
            EXPECT_EQ(SendDlgItemMessageW(d, kOptionsSep, CB_GETCOUNT, 0, 0), 5);
            EXPECT_EQ(SendDlgItemMessageW(d, kOptionsPadding, CB_GETCOUNT, 0, 0), 8);
            EXPECT_EQ(Selection(d, kOptionsPrefix), 0);
            EXPECT_EQ(Selection(d, kOptionsSep), 0);
            EXPECT_EQ(Selection(d, kOptionsPadding), 2);
            EXPECT_EQ(IsDlgButtonChecked(d, kOptionsLeadingText), BST_UNCHECKED);
            EXPECT_EQ(ItemText(d, kOptionsPreview), L"001");
            EXPECT_EQ(ToolTip(d, kOptionsPrefix), L"Datum (Jahr und/oder Monat)");
            EXPECT_EQ(ToolTip(d, kOptionsSep), L"Datumstrennzeichen (nur zw. Monat und Jahr)");
            EXPECT_EQ(ToolTip(d, kOptionsPadding), L"Anzahl der Zählerstellen");
            EXPECT_EQ(ItemText(d, kOptionsLabelCounter), L"Nächster &Zähler:");
            EXPECT_EQ(ItemText(d, kOptionsOk), L"Ok");
            EXPECT_EQ(ItemText(d, IDCANCEL), L"Abbrechen");
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, kOptionsPreviewButton)));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, kOptionsPreviewButton)));
            wchar_t item[64];
            SendDlgItemMessageW(d, kOptionsSep, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(item));
            EXPECT_STREQ(item, L"Schrägstrich (/)");
            RECT client;
            GetClientRect(d, &client);
            EXPECT_EQ(client.right, 289);
            EXPECT_EQ(client.bottom, 272);
            RECT edit = ClientRectOf(d, kOptionsTextBefore);
            EXPECT_EQ(edit.left, 96);
            EXPECT_EQ(edit.top, 24);
            EXPECT_EQ(edit.right - edit.left, 184);
            EXPECT_EQ(edit.bottom - edit.top, 21);
            Click(d, IDCANCEL);
        }}));
    EXPECT_FALSE(platform.DataFileExists("vexo.ini"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST(OptionsDialog, PreviewFollowsEditsAndOkWritesAllSevenKeys) {
    TestPlatform platform;
    ASSERT_TRUE(DriveDialog(L"Vexo Optionen", [] { ShowOptionsDialog(nullptr); }, {[&](HWND d) {
                                SelectItem(d, kOptionsPrefix, 3);
                                SelectItem(d, kOptionsSep, 2);
                                SetText(d, kOptionsCounter, L"17");
                                SelectItem(d, kOptionsPadding, 3);
                                EXPECT_EQ(ItemText(d, kOptionsPreview), L"2008-030017");
                                Click(d, kOptionsLeadingText);
                                EXPECT_EQ(ItemText(d, kOptionsPreview), L"00172008-03");
                                SetText(d, kOptionsTextAfter, L"/€");
                                EXPECT_EQ(ItemText(d, kOptionsPreview), L"00172008-03/€");
                                SetText(d, kOptionsTextAfter, L"");
                                Click(d, kOptionsOk);
                            }}));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), kSevenKeys);
}

TEST(OptionsDialog, InvalidCounterIsReportedAndOkKeepsTheDialogOpen) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=5\r\n");
    ASSERT_TRUE(DriveDialog(L"Vexo Optionen", [] { ShowOptionsDialog(nullptr); },
                            {[&](HWND d) {
                                 EXPECT_EQ(ItemText(d, kOptionsPreview), L"005");
                                 SetText(d, kOptionsCounter, L"");
                                 EXPECT_EQ(platform.messages.size(), 1u);
                                 EXPECT_EQ(ItemText(d, kOptionsPreview), L"000");
                                 SetText(d, kOptionsCounter, L"abc");
                                 EXPECT_EQ(platform.messages.size(), 2u);
                                 Click(d, kOptionsOk);
                                 EXPECT_EQ(platform.messages.size(), 3u);
                                 EXPECT_TRUE(IsWindow(d));
                                 EXPECT_EQ(GetFocus(), GetDlgItem(d, kOptionsCounter));
                             },
                             [&](HWND d) {
                                 EXPECT_TRUE(IsWindow(d));
                                 PostKey(d, VK_ESCAPE);
                             }}));
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=5\r\n");
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages[0].find("\"Nächster Zähler\""), platform.messages[0].find("\"N"));
}

TEST(OptionsDialog, LeavingTheCounterFieldChecksItAndReturnsThere) {
    TestPlatform platform;
    ASSERT_TRUE(DriveDialog(L"Vexo Optionen", [] { ShowOptionsDialog(nullptr); },
                            {[&](HWND d) {
                                 SetFocus(GetDlgItem(d, kOptionsCounter));
                                 SetText(d, kOptionsCounter, L"0");
                                 EXPECT_EQ(platform.messages.size(), 1u);  // while typing
                                 SetFocus(GetDlgItem(d, kOptionsTextAfter));
                             },
                             [&](HWND d) {
                                 EXPECT_EQ(platform.messages.size(), 2u);  // on leaving
                                 EXPECT_EQ(GetFocus(), GetDlgItem(d, kOptionsCounter));
                                 SetText(d, kOptionsCounter, L"99999999");
                                 SetFocus(GetDlgItem(d, kOptionsTextAfter));
                             },
                             [&](HWND d) {
                                 EXPECT_EQ(platform.messages.size(), 2u);
                                 EXPECT_EQ(GetFocus(), GetDlgItem(d, kOptionsTextAfter));
                                 Click(d, kOptionsOk);
                             }}));
    EXPECT_NE(platform.ReadDataFile("vexo.ini").find("Counter=99999999\r\n"), std::string::npos);
}

TEST(OptionsDialog, EnterDoesNotCloseAndHandEditedValuesShowInTheLists) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini",
                           "[Optionen]\r\nPrefix=42\r\nSep=-1\r\nPadding=20\r\n"
                           "TextBefore=\"RE \"\r\n");
    ASSERT_TRUE(DriveDialog(L"Vexo Optionen", [] { ShowOptionsDialog(nullptr); },
                            {[&](HWND d) {
                                 EXPECT_EQ(Selection(d, kOptionsPrefix), 0);
                                 EXPECT_EQ(Selection(d, kOptionsSep), 0);
                                 EXPECT_EQ(Selection(d, kOptionsPadding), 7);
                                 EXPECT_EQ(ItemText(d, kOptionsPreview), L"RE 00000001");
                                 SetFocus(GetDlgItem(d, kOptionsTextBefore));
                                 PostKey(d, VK_RETURN);
                             },
                             [&](HWND d) {
                                 EXPECT_TRUE(IsWindow(d));
                                 Click(d, IDCANCEL);
                             }}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST(OptionsDialog, AcceleratorsFocusTheirFields) {
    TestPlatform platform;
    ASSERT_TRUE(DriveDialog(L"Vexo Optionen", [] { ShowOptionsDialog(nullptr); },
                            {[&](HWND d) {
                                 EXPECT_EQ(GetFocus(), GetDlgItem(d, kOptionsTextBefore));
                                 PostMessageW(GetFocus(), WM_SYSCHAR, 'z', 1 << 29);
                             },
                             [&](HWND d) {
                                 EXPECT_EQ(GetFocus(), GetDlgItem(d, kOptionsCounter));
                                 PostMessageW(GetFocus(), WM_SYSCHAR, 't', 1 << 29);
                             },
                             [&](HWND d) {
                                 EXPECT_EQ(GetFocus(), GetDlgItem(d, kOptionsSep));
                                 Click(d, IDCANCEL);
                             }}));
}

TEST(OptionsDialog, LaysItselfOutAgainWhenTheDpiChanges) {
    TestPlatform platform;
    ASSERT_TRUE(DriveDialog(L"Vexo Optionen", [] { ShowOptionsDialog(nullptr); }, {[&](HWND d) {
                                RECT suggested{10, 20, 700, 700};
                                SendMessageW(d, WM_DPICHANGED, MAKEWPARAM(144, 144),
                                             reinterpret_cast<LPARAM>(&suggested));
                                RECT client;
                                GetClientRect(d, &client);
                                EXPECT_EQ(client.right, 434);  // 289 and 272 at 150 %, rounded
                                EXPECT_EQ(client.bottom, 408);
                                RECT edit = ClientRectOf(d, kOptionsCounter);
                                EXPECT_EQ(edit.left, 144);
                                EXPECT_EQ(edit.top, 240);
                                EXPECT_EQ(edit.right - edit.left, 86);
                                RECT ok = ClientRectOf(d, kOptionsOk);
                                EXPECT_EQ(ok.left, 192);
                                EXPECT_EQ(ok.bottom - ok.top, 38);
                                LOGFONTW font{};
                                GetObjectW(reinterpret_cast<HFONT>(SendDlgItemMessageW(
                                               d, kOptionsCounter, WM_GETFONT, 0, 0)),
                                           sizeof font, &font);
                                EXPECT_EQ(font.lfHeight, -16);
                                EXPECT_STREQ(font.lfFaceName, L"Tahoma");
                                RECT window;
                                GetWindowRect(d, &window);
                                EXPECT_EQ(window.left, 10);
                                EXPECT_EQ(window.top, 20);
                                Click(d, IDCANCEL);
                            }}));
}

TEST(OptionsDialog, WriteFailureEndsTheDialogAndIsThrown) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=5\r\n");
    platform.SetReadOnly("vexo.ini", true);
    bool thrown = false;
    ASSERT_TRUE(DriveDialog(L"Vexo Optionen",
                            [&] {
                                try {
                                    ShowOptionsDialog(nullptr);
                                } catch (const SettingsWriteError&) {
                                    thrown = true;
                                }
                            },
                            {[&](HWND d) { Click(d, kOptionsOk); }}));
    EXPECT_TRUE(thrown);
    platform.SetReadOnly("vexo.ini", false);
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=5\r\n");
}

const std::string kLog =
    "VEXO:$255;DATUM:@;ANWENDUNG:$255;BENUTZER:$255\r\n"
    "\"RE-2\"; 2008-03-05 14:07:09; \"Word 12.0\"; \"buchhaltung\"; \r\n"
    "\"RE-1\"; 2008-03-04 09:00:00; \"Excel 12.0\"; \"M\xFCller\"; \r\n"
    "\"RE-3\"; 2008-03-06 10:30:00; \"Makro \"; \"buchhaltung\"; \r\n";

// The dialogs run in the activation context of the module's manifest: the module itself and
// the common controls 6 it depends on.
void ExpectCommonControls6Active() {
    HANDLE context = nullptr;
    ASSERT_TRUE(GetCurrentActCtx(&context));
    ASSERT_NE(context, nullptr);
    alignas(8) BYTE buffer[4096] = {};
    SIZE_T size = 0;
    ASSERT_TRUE(QueryActCtxW(0, context, nullptr, ActivationContextDetailedInformation, buffer,
                             sizeof buffer, &size));
    auto info = reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(buffer);
    EXPECT_GE(info->ulAssemblyCount, 2u);
    ReleaseActCtx(context);
}

std::wstring Cell(HWND d, int row, int column) {
    wchar_t text[256] = {};
    ListView_GetItemText(GetDlgItem(d, kLogfileList), row, column, text, 256);
    return text;
}

int CurrentRow(HWND d) {
    return ListView_GetNextItem(GetDlgItem(d, kLogfileList), -1, LVNI_FOCUSED);
}

void ClickColumn(HWND d, int column) {
    NMLISTVIEW click{};
    click.hdr = {GetDlgItem(d, kLogfileList), static_cast<UINT_PTR>(kLogfileList),
                 static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iItem = -1;
    click.iSubItem = column;
    SendMessageW(d, WM_NOTIFY, kLogfileList, reinterpret_cast<LPARAM>(&click));
}

TEST(LogfileDialog, WithoutLogOnlyTheMessageIsShown) {
    TestPlatform platform;
    EXPECT_FALSE(DriveDialog(L"Vexo Logile", [] { ShowLogfileDialog(nullptr); }, {}));
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Es ist kein Logfile vorhanden."});
}

TEST(LogfileDialog, ShowsTheRowsVirtuallyAndSortsWithoutWriting) {
    TestPlatform platform;
    platform.WriteDataFile("vexolog.csv", kLog);
    ASSERT_TRUE(DriveDialog(
        L"Vexo Logile", [] { ShowLogfileDialog(nullptr); }, {[&](HWND d) {
            HWND list = GetDlgItem(d, kLogfileList);
            EXPECT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & LVS_OWNERDATA);
            ExpectCommonControls6Active();
            EXPECT_EQ(ListView_GetItemCount(list), 3);
            wchar_t caption[32] = {};
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT;
            column.pszText = caption;
            column.cchTextMax = 32;
            const wchar_t* captions[] = {L"Vexo", L"Datum", L"Anwendung", L"Benutzer"};
            for (int c = 0; c < 4; ++c) {
                SendMessageW(list, LVM_GETCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
                EXPECT_STREQ(caption, captions[c]);
                EXPECT_GT(ListView_GetColumnWidth(list, c), 20);
            }
            EXPECT_EQ(Cell(d, 0, 0), L"RE-2");
            EXPECT_EQ(Cell(d, 1, 3), L"Müller");
            EXPECT_EQ(Cell(d, 2, 1), L"2008-03-06 10:30:00");
            EXPECT_EQ(Cell(d, 2, 2), L"Makro ");
            RECT header;
            GetWindowRect(ListView_GetHeader(list), &header);
            EXPECT_EQ(header.bottom - header.top, 18);
            RECT row;
            ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
            EXPECT_EQ(row.bottom - row.top, 18);
            EXPECT_EQ(CurrentRow(d), 0);
            Click(d, kLogfileNext);
            EXPECT_EQ(CurrentRow(d), 1);
            EXPECT_EQ(GetFocus(), list);
            Click(d, kLogfileLast);
            Click(d, kLogfileNext);
            EXPECT_EQ(CurrentRow(d), 2);
            Click(d, kLogfileFirst);
            Click(d, kLogfilePrior);
            EXPECT_EQ(CurrentRow(d), 0);
            SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
            EXPECT_EQ(CurrentRow(d), 1);  // RE-1
            SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
            EXPECT_EQ(CurrentRow(d), 0);

            ClickColumn(d, 0);
            EXPECT_EQ(Cell(d, 0, 0) + Cell(d, 1, 0) + Cell(d, 2, 0), L"RE-1RE-2RE-3");
            EXPECT_EQ(CurrentRow(d), 1);  // the current record stays current
            ClickColumn(d, 0);
            EXPECT_EQ(Cell(d, 0, 0) + Cell(d, 1, 0) + Cell(d, 2, 0), L"RE-3RE-2RE-1");
            ClickColumn(d, 1);
            EXPECT_EQ(Cell(d, 0, 1), L"2008-03-04 09:00:00");

            LVFINDINFOW find{LVFI_STRING | LVFI_PARTIAL, L"2008-03-06", 0, {}, 0};
            EXPECT_EQ(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(&find)),
                      2);
            EXPECT_EQ(ItemText(d, IDCANCEL), L"Schließen");
            SetFocus(list);
            PostKey(d, VK_RETURN);
        }}));
    EXPECT_EQ(platform.ReadDataFile("vexolog.csv"), kLog);
    EXPECT_TRUE(platform.messages.empty());
}

TEST(LogfileDialog, EscapeAndSchliessenClose) {
    for (bool escape : {true, false}) {
        TestPlatform platform;
        platform.WriteDataFile("vexolog.csv", "VEXO:$255;DATUM:@;ANWENDUNG:$255;BENUTZER:$255\r\n");
        ASSERT_TRUE(DriveDialog(L"Vexo Logile", [] { ShowLogfileDialog(nullptr); }, {[&](HWND d) {
                                    EXPECT_EQ(ListView_GetItemCount(GetDlgItem(d, kLogfileList)),
                                              0);
                                    Click(d, kLogfileNext);  // nothing to move to
                                    if (escape)
                                        PostKey(d, VK_ESCAPE);
                                    else
                                        Click(d, IDCANCEL);
                                }}));
    }
}

TEST(InfoPathDialog, OpensEmptyWithFocusOnSpeichernAndEscapeWritesNothing) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[Zaehler]\r\nCounter=5\r\n");
    ASSERT_TRUE(DriveDialog(
        L"InfoPath Einstellungen", [] { ShowInfoPathSettingsDialog(nullptr); }, {[&](HWND d) {
            EXPECT_EQ(ItemText(d, kInfoPathNameSpace), L"");
            EXPECT_EQ(ItemText(d, kInfoPathPath), L"");
            EXPECT_EQ(GetFocus(), GetDlgItem(d, IDOK));
            EXPECT_EQ(ItemText(d, IDOK), L"Speichern");
            EXPECT_EQ(ItemText(d, kInfoPathSamplePath), L"Beispiel: /my:meineFelder/my:Vexo");
            SetText(d, kInfoPathPath, L"/my:x");
            PostKey(d, VK_ESCAPE);
        }}));
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[Zaehler]\r\nCounter=5\r\n");
}

TEST(InfoPathDialog, SpeichernAndEnterWriteBothAbbrechenKeepsThem) {
    enum Close { kClick, kEnter, kCancel };
    for (Close close : {kClick, kEnter, kCancel}) {
        TestPlatform platform;
        platform.WriteDataFile("vexo.ini", "[InfoPath]\r\nxNameSpace=a\r\nxPath=b\r\n");
        ASSERT_TRUE(DriveDialog(L"InfoPath Einstellungen",
                                [] { ShowInfoPathSettingsDialog(nullptr); }, {[&](HWND d) {
                                    EXPECT_EQ(ItemText(d, kInfoPathNameSpace), L"a");
                                    EXPECT_EQ(ItemText(d, kInfoPathPath), L"b");
                                    SetText(d, kInfoPathNameSpace, L" xmlns:my=\"urn:ä\" ");
                                    SetText(d, kInfoPathPath, L"/my:f/my:Vexo");
                                    if (close == kClick) Click(d, IDOK);
                                    if (close == kCancel) Click(d, IDCANCEL);
                                    if (close == kEnter) {
                                        SetFocus(GetDlgItem(d, kInfoPathPath));
                                        PostKey(d, VK_RETURN);
                                    }
                                }}));
        EXPECT_EQ(platform.ReadDataFile("vexo.ini"),
                  close == kCancel ? "[InfoPath]\r\nxNameSpace=a\r\nxPath=b\r\n"
                                   : "[InfoPath]\r\nxNameSpace= xmlns:my=\"urn:\xE4\" \r\n"
                                     "xPath=/my:f/my:Vexo\r\n")
            << close;
    }
}

TEST(InfoPathDialog, WriteFailureEndsTheDialogAndIsThrown) {
    TestPlatform platform;
    platform.WriteDataFile("vexo.ini", "[InfoPath]\r\nxPath=b\r\n");
    platform.SetReadOnly("vexo.ini", true);
    bool thrown = false;
    ASSERT_TRUE(DriveDialog(L"InfoPath Einstellungen",
                            [&] {
                                try {
                                    ShowInfoPathSettingsDialog(nullptr);
                                } catch (const SettingsWriteError&) {
                                    thrown = true;
                                }
                            },
                            {[&](HWND d) { Click(d, IDOK); }}));
    EXPECT_TRUE(thrown);
    platform.SetReadOnly("vexo.ini", false);
    EXPECT_EQ(platform.ReadDataFile("vexo.ini"), "[InfoPath]\r\nxPath=b\r\n");
}

TEST(AboutDialog, ShowsVersionRevisionAndLinkAndClosesWithEscapeOrSchliessen) {
    for (bool escape : {true, false}) {
        TestPlatform platform;
        ASSERT_TRUE(DriveDialog(L"Info", [] { ShowAboutDialog(nullptr); }, {[&](HWND d) {
                                    EXPECT_EQ(ItemText(d, kAboutTitle),
                                              L"Vexo Freeware 2007 Add-In");
                                    EXPECT_EQ(ItemText(d, kAboutPurpose),
                                              L"Fortlaufende Rechnungsnummern für Word und Excel");
                                    EXPECT_EQ(ItemText(d, kAboutVersion),
                                              std::wstring(L"0.0.0.0"));  // no version resource
                                    EXPECT_EQ(GetModuleVersionText(), "0.0.0.0");
                                    EXPECT_EQ(ItemText(d, kAboutRevision), L"2008-09-28 17:45:29");
                                    EXPECT_EQ(ItemText(d, kAboutNotes), L"Hinweise && Kontakt");
                                    wchar_t name[32];
                                    GetClassNameW(GetDlgItem(d, kAboutLink), name, 32);
                                    EXPECT_STREQ(name, L"SysLink");
                                    EXPECT_EQ(GetFocus(), GetDlgItem(d, IDCANCEL));
                                    EXPECT_EQ(ItemText(d, IDCANCEL), L"Schließen");
                                    if (escape)
                                        PostKey(d, VK_ESCAPE);
                                    else
                                        Click(d, IDCANCEL);
                                }}));
    }
}

TEST(Pictures, LoadWithTheirSizesAndDepths) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    struct Case {
        int id, size, bits;
    };
    for (Case c : {Case{IDB_SYMBOL_INFO, 16, 24}, Case{IDB_SYMBOL_GEAR, 16, 24},
                   Case{IDB_SYMBOL_HASH, 16, 24}, Case{IDB_SYMBOL_SAVE, 16, 24},
                   Case{IDB_SYMBOL_LOG, 16, 24}, Case{IDB_SYMBOL_FOLDER, 16, 24},
                   Case{IDB_LARGE_INSERT, 32, 32}, Case{IDB_LARGE_SAVE, 32, 32}}) {
        auto bitmap = static_cast<HBITMAP>(
            LoadImageW(module, MAKEINTRESOURCEW(c.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr) << c.id;
        DIBSECTION dib{};
        GetObjectW(bitmap, sizeof dib, &dib);
        EXPECT_EQ(dib.dsBm.bmWidth, c.size) << c.id;
        EXPECT_EQ(dib.dsBm.bmHeight, c.size) << c.id;
        EXPECT_EQ(dib.dsBm.bmBitsPixel, c.bits) << c.id;
        if (c.bits == 24) {  // the corner is transparent: magenta
            auto* corner = static_cast<BYTE*>(dib.dsBm.bmBits);
            EXPECT_EQ(corner[0], 255);
            EXPECT_EQ(corner[1], 0);
            EXPECT_EQ(corner[2], 255);
        }
        DeleteObject(bitmap);
    }
    for (int size : {16, 32, 48}) {
        auto icon = static_cast<HICON>(
            LoadImageW(module, MAKEINTRESOURCEW(IDI_VEXO_PAGE), IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        DestroyIcon(icon);
    }
}

}  // namespace
}  // namespace vexo::forms
