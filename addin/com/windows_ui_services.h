#pragma once

#include <windows.h>

#include <functional>

#include "ui_services.h"

namespace vexo::office {

// The window system's side of the module: message boxes over the host's active window, the
// folder picker, the dialogs and the re-arm timer (a window timer of the calling thread,
// delivered by its message loop to a message-only window).
class WindowsUiServices : public UiServices {
public:
    explicit WindowsUiServices(std::function<void()> on_timer);
    ~WindowsUiServices() override;
    WindowsUiServices(const WindowsUiServices&) = delete;
    WindowsUiServices& operator=(const WindowsUiServices&) = delete;

    OverwriteAnswer AskOverwrite(const std::string& text) override;
    std::optional<std::string> PickFolder(const std::string& initial_folder) override;
    void StartTimer(int ms) override;
    void StopTimer() override;
    void ShowError(const std::string& text) override;
    void ShowOptionsDialog() override;
    void ShowLogfileDialog() override;
    void ShowInfoPathSettingsDialog() override;
    void ShowAboutDialog() override;

    // The error box without a connection: "Vexo Add-In", OK, error icon.
    static void ShowErrorBox(const std::string& text) noexcept;
    // The host's window that owns the add-in's boxes and dialogs.
    static HWND Owner();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    void CreateTimerWindow();

    std::function<void()> on_timer_;
    HWND window_ = nullptr;
    bool timer_running_ = false;
};

}  // namespace vexo::office
