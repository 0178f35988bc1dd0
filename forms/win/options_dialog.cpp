// "Vexo Optionen": the number format and the next counter, with a live preview.
#include <windows.h>

#include <commctrl.h>

#include "../dialog_controls.h"
#include "../dialogs.h"
#include "../options_entries.h"
#include "dialog.h"
#include "files.h"
#include "number_format.h"
#include "wide.h"

namespace vexo::forms {
namespace {

constexpr DWORD kLabel = SS_LEFT | SS_LEFTNOWORDWRAP;
constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr UINT kShowPreview = WM_APP + 1;   // the preview once the window shows
constexpr UINT kCheckCounter = WM_APP + 2;  // the counter check after leaving the field

DialogSpec Spec() {
    return {
        L"Vexo Optionen",
        289,
        272,
        {
            {kOptionsHeadingText, WC_STATICW, L"Text und Datum", kLabel, 8, 8, 91, 13,
             FontKind::Bold},
            {kOptionsLabelTextBefore, WC_STATICW, L"Text &vor:", kLabel, 8, 27, 45, 13},
            {kOptionsTextBefore, WC_EDITW, L"", kEdit, 96, 24, 184, 21},
            {kOptionsLabelPrefix, WC_STATICW, L"D&atum:", kLabel, 8, 57, 35, 13},
            {kOptionsPrefix, WC_COMBOBOXW, L"", kList, 96, 53, 185, 21},
            {kOptionsLabelSep, WC_STATICW, L"&Trennzeichen:", kLabel, 8, 85, 68, 13},
            {kOptionsSep, WC_COMBOBOXW, L"", kList, 96, 82, 185, 21},
            {kOptionsLabelTextAfter, WC_STATICW, L"Text &danach:", kLabel, 8, 113, 64, 13},
            {kOptionsTextAfter, WC_EDITW, L"", kEdit, 96, 112, 184, 21},
            {kOptionsHeadingCounter, WC_STATICW, L"Zähler", kLabel, 8, 144, 36, 13, FontKind::Bold},
            {kOptionsLabelCounter, WC_STATICW, L"Nächster &Zähler:", kLabel, 8, 164, 80, 13},
            {kOptionsCounter, WC_EDITW, L"1", kEdit, 96, 160, 57, 21},
            {kOptionsLabelPadding, WC_STATICW, L"&Stellen:", kLabel, 184, 163, 36, 13},
            {kOptionsPadding, WC_COMBOBOXW, L"", kList, 224, 160, 57, 21},
            {kOptionsLeadingText, WC_BUTTONW, L"Zähler vor Text und Datum",
             WS_TABSTOP | BS_AUTOCHECKBOX, 96, 188, 151, 17},
            {kOptionsLabelPreview, WC_STATICW, L"Vorschau:", kLabel, 8, 210, 48, 13},
            {kOptionsPreview, WC_STATICW, L"1", kLabel | SS_NOPREFIX | SS_ENDELLIPSIS, 60, 210, 221,
             13},
            {kOptionsOk, WC_BUTTONW, L"Ok", WS_TABSTOP | BS_PUSHBUTTON, 128, 240, 75, 25},
            {IDCANCEL, WC_BUTTONW, L"Abbrechen", WS_TABSTOP | BS_PUSHBUTTON, 208, 240, 75, 25},
            {kOptionsPreviewButton, WC_BUTTONW, L"Vorscha&u",
             WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, 8, 238, 75, 24},
        },
        {{104, 15, 177}, {48, 152, 233}, {8, 232, 273}}};
}

class OptionsDialog : public Dialog {
public:
    OptionsDialog() : Dialog(Spec()) {}

private:
    BOOL OnInit() override {
        ShowWindow(Item(kOptionsPreviewButton), SW_HIDE);
        for (const char* text : kPrefixKindTexts) AddItem(kOptionsPrefix, text);
        for (const char* text : kSeparatorKindTexts) AddItem(kOptionsSep, text);
        for (int digits = 1; digits <= kPaddingItemCount; ++digits)
            AddItem(kOptionsPadding, std::to_string(digits));
        SendMessageW(Item(kOptionsCounter), EM_LIMITTEXT, kCounterMaxLength, 0);
        SetWindowSubclass(Item(kOptionsCounter), CounterProcedure, 0,
                          reinterpret_cast<DWORD_PTR>(this));
        AddToolTip(kOptionsPrefix, L"Datum (Jahr und/oder Monat)");
        AddToolTip(kOptionsSep, L"Datumstrennzeichen (nur zw. Monat und Jahr)");
        AddToolTip(kOptionsPadding, L"Anzahl der Zählerstellen");

        loading_ = true;
        Show(LoadOptionsEntries());
        loading_ = false;
        PostMessageW(hwnd(), kShowPreview, 0, 0);
        return TRUE;
    }

    void AddItem(int id, const std::string& text) {
        SendMessageW(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    }

    void Show(const OptionsEntries& e) {
        SetWindowTextW(Item(kOptionsTextBefore), Wide(e.text_before).c_str());
        SendMessageW(Item(kOptionsPrefix), CB_SETCURSEL, static_cast<WPARAM>(e.prefix_index), 0);
        SendMessageW(Item(kOptionsSep), CB_SETCURSEL, static_cast<WPARAM>(e.sep_index), 0);
        SetWindowTextW(Item(kOptionsTextAfter), Wide(e.text_after).c_str());
        SetWindowTextW(Item(kOptionsCounter), Wide(e.counter_text).c_str());
        SendMessageW(Item(kOptionsPadding), CB_SETCURSEL, static_cast<WPARAM>(e.padding_index), 0);
        CheckDlgButton(hwnd(), kOptionsLeadingText, e.leading_text ? BST_CHECKED : BST_UNCHECKED);
    }

    // The edits' text as the settings file will hold it: in the ANSI code page.
    std::string Text(int id) const { return FromAnsi(ToAnsi(Narrow(WindowText(Item(id))))); }

    int Index(int id) const {
        auto index = static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
        return index < 0 ? 0 : index;
    }

    OptionsEntries Entries() const {
        OptionsEntries e;
        e.text_before = Text(kOptionsTextBefore);
        e.prefix_index = Index(kOptionsPrefix);
        e.sep_index = Index(kOptionsSep);
        e.text_after = Text(kOptionsTextAfter);
        e.counter_text = Text(kOptionsCounter);
        e.padding_index = Index(kOptionsPadding);
        e.leading_text = IsDlgButtonChecked(hwnd(), kOptionsLeadingText) == BST_CHECKED;
        return e;
    }

    void RefreshPreview() {
        std::string preview = ComposePreview(Entries(), CurrentPlatform().Now());
        SetWindowTextW(Item(kOptionsPreview), Wide(preview).c_str());
    }

    void OnCommand(int id, int code, HWND) override {
        switch (id) {
            case kOptionsTextBefore:
            case kOptionsTextAfter:
            case kOptionsCounter:
                if (code == EN_CHANGE && !loading_) RefreshPreview();
                break;
            case kOptionsPrefix:
            case kOptionsSep:
            case kOptionsPadding:
                if (code == CBN_SELCHANGE) RefreshPreview();
                break;
            case kOptionsLeadingText:
            case kOptionsPreviewButton:
                if (code == BN_CLICKED) RefreshPreview();
                break;
            case kOptionsOk:
                if (code != BN_CLICKED) break;
                if (SaveOptionsEntries(Entries()))
                    End(IDOK);
                else
                    FocusCounter();
                break;
            case IDCANCEL: End(IDCANCEL); break;
            default:  // IDOK from the Enter key: this dialog has no default button
                break;
        }
    }

    bool OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) override {
        if (message == kShowPreview) {
            RefreshPreview();
        } else if (message == kCheckCounter) {
            if (!CheckCounterText(Text(kOptionsCounter))) FocusCounter();
        } else {
            return false;
        }
        result = TRUE;
        return true;
    }

    void FocusCounter() {
        SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(kOptionsCounter)), TRUE);
    }

    // Leaving the counter field for another control of the dialog checks it; "Abbrechen"
    // does not, and neither does a message box or another window taking the focus.
    static LRESULT CALLBACK CounterProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam, UINT_PTR, DWORD_PTR data) {
        if (message == WM_KILLFOCUS) {
            auto self = reinterpret_cast<OptionsDialog*>(data);
            auto next = reinterpret_cast<HWND>(wparam);
            if (next && IsChild(self->hwnd(), next) && next != self->Item(IDCANCEL))
                PostMessageW(self->hwnd(), kCheckCounter, 0, 0);
        } else if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(window, CounterProcedure, 0);
        }
        return DefSubclassProc(window, message, wparam, lparam);
    }

    bool loading_ = false;
};

}  // namespace

void ShowOptionsDialog(HWND owner) {
    OptionsDialog dialog;
    dialog.ShowModal(owner);
}

}  // namespace vexo::forms
