// "Info": product, version, revision and the home page.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "../dialog_controls.h"
#include "../dialogs.h"
#include "../resource_ids.h"
#include "dialog.h"
#include "module_version.h"
#include "wide.h"

namespace vexo::forms {
namespace {

constexpr const wchar_t* kHomePage = L"https://www.ostrak.de/vexo/";
constexpr const wchar_t* kRevision = L"2008-09-28 17:45:29";
constexpr DWORD kLabel = SS_LEFT | SS_LEFTNOWORDWRAP;
constexpr int kBandWidth = 57;

DialogSpec Spec() {
    return {
        L"Info",
        343,
        197,
        {
            {IDCANCEL, WC_BUTTONW, L"Schließen", WS_TABSTOP | BS_PUSHBUTTON, 264, 168, 75, 25},
            {kAboutTitle, WC_STATICW, L"Vexo Freeware 2007 Add-In", kLabel, 64, 13, 0, 0,
             FontKind::Title},
            {kAboutPurpose, WC_STATICW, L"Fortlaufende Rechnungsnummern für Word und Excel", kLabel,
             64, 29, 0, 0},
            {kAboutLabelVersion, WC_STATICW, L"Version: ", kLabel, 64, 52, 0, 0},
            {kAboutVersion, WC_STATICW, L"", kLabel | SS_NOPREFIX, 112, 52, 200, 13},
            {kAboutLabelRevision, WC_STATICW, L"Revision: ", kLabel, 64, 68, 0, 0},
            {kAboutRevision, WC_STATICW, L"", kLabel | SS_NOPREFIX, 112, 68, 200, 13},
            {kAboutNotes, WC_STATICW, L"Hinweise && Kontakt", kLabel, 64, 88, 0, 0, FontKind::Bold},
            {kAboutContact, WC_STATICW,
             L"Vexo ist Freeware von Ostrak. Hinweise, Fragen und neue Versionen finden "
             L"Sie auf der Homepage:",
             SS_LEFT | SS_NOPREFIX, 65, 105, 271, 28},
            {kAboutLink, WC_LINK, L"<a>www.ostrak.de/vexo</a>", WS_TABSTOP, 65, 137, 271, 16},
        },
        {{64, 48, 273}, {178, 95, 159}, {64, 162, 273}}};
}

class AboutDialog : public Dialog {
public:
    AboutDialog() : Dialog(Spec()) {}
    ~AboutDialog() override { FreeIcon(); }

private:
    BOOL OnInit() override {
        SetWindowTextW(Item(kAboutVersion), Wide(GetModuleVersionText()).c_str());
        SetWindowTextW(Item(kAboutRevision), kRevision);
        AddToolTip(kAboutLink, L"Link zur Homepage");
        SetFocus(Item(IDCANCEL));
        return FALSE;
    }

    void OnLayout() override {
        FreeIcon();
        icon_ = static_cast<HICON>(LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(IDI_VEXO_PAGE),
                                              IMAGE_ICON, Scale(32), Scale(32), 0));
    }

    void FreeIcon() {
        if (icon_) DestroyIcon(icon_);
        icon_ = nullptr;
    }

    void OnPaint(HDC dc) override {
        RECT client;
        GetClientRect(hwnd(), &client);
        COLORREF top = GetSysColor(COLOR_GRADIENTACTIVECAPTION);
        COLORREF bottom = GetSysColor(COLOR_ACTIVECAPTION);
        TRIVERTEX v[2] = {
            {0, 0, static_cast<COLOR16>(GetRValue(top) << 8),
             static_cast<COLOR16>(GetGValue(top) << 8), static_cast<COLOR16>(GetBValue(top) << 8),
             0},
            {Scale(kBandWidth), client.bottom, static_cast<COLOR16>(GetRValue(bottom) << 8),
             static_cast<COLOR16>(GetGValue(bottom) << 8),
             static_cast<COLOR16>(GetBValue(bottom) << 8), 0},
        };
        GRADIENT_RECT r{0, 1};
        GradientFill(dc, v, 2, &r, 1, GRADIENT_FILL_RECT_V);
        if (icon_)
            DrawIconEx(dc, Scale(12), Scale(8), icon_, Scale(32), Scale(32), 0, nullptr, DI_NORMAL);
    }

    HBRUSH OnStaticColor(HDC dc, int id) override {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(id == kAboutNotes ? COLOR_MENUTEXT : COLOR_WINDOWTEXT));
        return GetSysColorBrush(COLOR_BTNFACE);
    }

    bool OnNotify(NMHDR* header, LRESULT& result) override {
        if (header->idFrom != kAboutLink || (header->code != NM_CLICK && header->code != NM_RETURN))
            return false;
        if (reinterpret_cast<NMLINK*>(header)->item.iLink == 0)  // a failure is not reported
            ShellExecuteW(nullptr, L"open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL);
        result = 0;
        return true;
    }

    void OnCommand(int id, int code, HWND) override {
        if (id == IDCANCEL && code == BN_CLICKED) End(IDOK);
    }

    HICON icon_ = nullptr;
};

}  // namespace

void ShowAboutDialog(HWND owner) {
    AboutDialog dialog;
    dialog.ShowModal(owner);
}

}  // namespace vexo::forms
