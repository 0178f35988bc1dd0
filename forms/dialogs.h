#pragma once

#include <windows.h>

// The modal dialogs of the add-in. Each is created for one showing over `owner` (may be
// null) and destroyed before the call returns. A failure the user must hear of (a settings
// file that cannot be written, a log that cannot be read) throws vexo::Error once the window
// is gone; nothing else escapes.
namespace vexo::forms {

// "Vexo Optionen": number format and next counter with a live preview; saves on "Ok".
void ShowOptionsDialog(HWND owner);
// "Vexo Logile": the issue log as a table; "Es ist kein Logfile vorhanden." without a log.
void ShowLogfileDialog(HWND owner);
// "InfoPath Einstellungen": namespace and node path; saves on "Speichern".
void ShowInfoPathSettingsDialog(HWND owner);
// "Info": product, version, revision and the home-page link.
void ShowAboutDialog(HWND owner);

}  // namespace vexo::forms
