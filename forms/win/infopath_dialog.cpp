// "InfoPath Einstellungen": namespace declaration and node path for InfoPath forms.
#include <windows.h>

#include <commctrl.h>

#include "../dialog_controls.h"
#include "../dialogs.h"
#include "../infopath_entries.h"
#include "dialog.h"
#include "ini_file.h"
#include "wide.h"

namespace vexo::forms {
namespace {

constexpr DWORD kLabel = SS_LEFT | SS_LEFTNOWORDWRAP;
constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

DialogSpec Spec() {
    return {L"InfoPath Einstellungen",
            522,
            159,
            {
                {kInfoPathLabelNameSpace, WC_STATICW, L"&Namespace", kLabel, 8, 8, 0, 0,
                 FontKind::Bold},
                {kInfoPathNameSpace, WC_EDITW, L"", kEdit, 8, 24, 505, 21},
                {kInfoPathSampleNameSpace, WC_STATICW,
                 L"Beispiel: xmlns:my=\"http://schemas.microsoft.com/office/infopath/2003/"
                 L"myXSD/2008-09-28T17:45:29\"",
                 kLabel | SS_NOPREFIX, 8, 48, 0, 0},
                {kInfoPathLabelPath, WC_STATICW, L"&xPath zum Textfeld mit Rechnungsnummer", kLabel,
                 8, 72, 0, 0, FontKind::Bold},
                {kInfoPathPath, WC_EDITW, L"", kEdit, 8, 88, 505, 21},
                {kInfoPathSamplePath, WC_STATICW, L"Beispiel: /my:meineFelder/my:Vexo",
                 kLabel | SS_NOPREFIX, 8, 112, 0, 0},
                {IDOK, WC_BUTTONW, L"Speichern", WS_TABSTOP | BS_DEFPUSHBUTTON, 360, 128, 75, 25},
                {IDCANCEL, WC_BUTTONW, L"Abbrechen", WS_TABSTOP | BS_PUSHBUTTON, 440, 128, 75, 25},
            },
            {}};
}

class InfoPathDialog : public Dialog {
public:
    InfoPathDialog() : Dialog(Spec()) {}

private:
    BOOL OnInit() override {
        InfoPathEntries e = LoadInfoPathEntries();
        for (int id : {kInfoPathNameSpace, kInfoPathPath})
            SendMessageW(Item(id), EM_LIMITTEXT, IniFile::kMaxValueLength, 0);
        SetWindowTextW(Item(kInfoPathNameSpace), Wide(e.name_space).c_str());
        SetWindowTextW(Item(kInfoPathPath), Wide(e.path).c_str());
        SetFocus(Item(IDOK));
        return FALSE;
    }

    void OnCommand(int id, int code, HWND) override {
        if (code != BN_CLICKED) return;
        if (id == IDOK) {
            SaveInfoPathEntries({Narrow(WindowText(Item(kInfoPathNameSpace))),
                                 Narrow(WindowText(Item(kInfoPathPath)))});
            End(IDOK);
        } else if (id == IDCANCEL) {
            End(IDCANCEL);
        }
    }

    HBRUSH OnStaticColor(HDC dc, int id) override {
        if (id != kInfoPathSampleNameSpace && id != kInfoPathSamplePath) return nullptr;
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
};

}  // namespace

void ShowInfoPathSettingsDialog(HWND owner) {
    InfoPathDialog dialog;
    dialog.ShowModal(owner);
}

}  // namespace vexo::forms
