#include "dialog_driver.h"

#include <gtest/gtest.h>

namespace vexo::forms::testing {
namespace {

struct Drive {
    std::wstring caption;
    std::vector<Step> steps;
    size_t next = 0;
    HWND dialog = nullptr;
    bool seen = false;
    int idle_ticks = 0;
};
Drive* current = nullptr;

BOOL CALLBACK FindDialog(HWND window, LPARAM) {
    wchar_t name[64];
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"#32770" && Text(window) == current->caption) {
        current->dialog = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Drive& d = *current;
    if (!d.seen) {
        EnumThreadWindows(GetCurrentThreadId(), FindDialog, 0);
        if (!d.dialog) return;
        d.seen = true;
    } else if (!IsWindow(d.dialog)) {
        return;  // closed; the modal loop is ending
    }
    if (d.next < d.steps.size()) {
        d.steps[d.next++](d.dialog);
        return;
    }
    // Give posted keys a few ticks to close it.
    if (++d.idle_ticks < 5) return;
    ADD_FAILURE() << "the dialog is still open after the last step";
    EndDialog(d.dialog, IDCANCEL);
}

}  // namespace

bool DriveDialog(const std::wstring& caption, const std::function<void()>& show,
                 std::vector<Step> steps) {
    Drive d{caption, std::move(steps)};
    current = &d;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
    show();
    KillTimer(nullptr, timer);
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
    current = nullptr;
    if (d.seen) {
        EXPECT_EQ(d.next, d.steps.size()) << "the dialog closed before the last step";
    }
    return d.seen;
}

std::wstring Text(HWND window) {
    wchar_t buffer[1024];
    int n = GetWindowTextW(window, buffer, 1024);
    return std::wstring(buffer, static_cast<size_t>(n));
}

std::wstring ItemText(HWND dialog, int id) {
    return Text(GetDlgItem(dialog, id));
}

void PostKey(HWND, UINT key) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SelectItem(HWND dialog, int id, int index) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void SetText(HWND dialog, int id, const std::wstring& text) {
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

RECT ClientRectOf(HWND dialog, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace vexo::forms::testing
