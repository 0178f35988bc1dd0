#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vexo::forms::testing {

using Step = std::function<void(HWND dialog)>;

// Runs `show`, which shows a modal dialog, and performs `steps` on the dialog from its modal
// loop, one per timer tick, so that messages posted by one step (keys) are handled before the
// next. After the last step the dialog must have closed; if it has not, that is a failure and
// the dialog is ended. Returns false when no dialog with `caption` appeared.
bool DriveDialog(const std::wstring& caption, const std::function<void()>& show,
                 std::vector<Step> steps);

std::wstring Text(HWND window);
std::wstring ItemText(HWND dialog, int id);
// A press of a key as the keyboard would send it to the focused control.
void PostKey(HWND dialog, UINT key);
void Click(HWND dialog, int id);                              // BM_CLICK
void SelectItem(HWND dialog, int id, int index);              // CB_SETCURSEL and CBN_SELCHANGE
void SetText(HWND dialog, int id, const std::wstring& text);  // WM_SETTEXT (EN_CHANGE follows)
RECT ClientRectOf(HWND dialog, int id);                       // in the dialog's client coordinates

}  // namespace vexo::forms::testing
