#pragma once

#include <optional>
#include <string>

namespace vexo {

enum class OverwriteAnswer { Yes, No, Cancel };

// What the module needs of the window system beyond the core's plain message box
// (vexo::CurrentPlatform().ShowMessage): questions, the folder picker, the re-arm timer,
// the error box and the dialogs.
class UiServices {
public:
    virtual ~UiServices() = default;

    // Warning box, caption "Warnung", buttons "&Ja", "&Nein", "Abbrechen".
    virtual OverwriteAnswer AskOverwrite(const std::string& text) = 0;
    // The folder picker "Ordner wählen"; nullopt when cancelled.
    virtual std::optional<std::string> PickFolder(const std::string& initial_folder) = 0;

    // The one-shot re-arm timer: after `ms` the module's timResetInsertTimer runs on the UI
    // thread, unless stopped first.
    virtual void StartTimer(int ms) = 0;
    virtual void StopTimer() = 0;

    // The modal error box (OK button) for a failure that escaped a handler. `text` is complete
    // as it stands: the module has already formatted it with FormatAddInError
    // ("Vexo Add-In error: the add-in has fired an exception." CR LF and the message).
    virtual void ShowError(const std::string& text) = 0;

    virtual void ShowOptionsDialog() = 0;
    virtual void ShowLogfileDialog() = 0;
    virtual void ShowInfoPathSettingsDialog() = 0;
    virtual void ShowAboutDialog() = 0;
};

}  // namespace vexo
