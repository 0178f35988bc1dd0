// Shows one dialog over a given data folder, for screenshots: forms_demo DIALOG APPDATA [MS]
// DIALOG is options, logfile, infopath or about; the dialog closes itself after MS
// milliseconds (default 6000). Per-monitor DPI aware, as Office is.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "dialogs.h"
#include "error.h"
#include "platform.h"

namespace {

// The native platform with another application-data folder.
class DemoPlatform : public vexo::Platform {
public:
    explicit DemoPlatform(std::string app_data) : app_data_(std::move(app_data)) {}
    std::string AppDataFolder() override { return app_data_; }
    std::string LogonUserName() override { return native_->LogonUserName(); }
    vexo::LocalTime Now() override { return native_->Now(); }
    void ShowMessage(const std::string& text, vexo::MessageKind kind) override {
        native_->ShowMessage(text, kind);
    }

private:
    std::string app_data_;
    std::unique_ptr<vexo::Platform> native_ = vexo::MakeNativePlatform();
};

BOOL CALLBACK CloseDialogs(HWND window, LPARAM) {
    wchar_t name[16];
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770") PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

void CALLBACK CloseTick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CloseDialogs, 0);
}

void BecomeDpiAware() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using SetContext = BOOL(WINAPI*)(HANDLE);
    auto set_context = reinterpret_cast<SetContext>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, else the older per-process switch.
    if (!set_context || !set_context(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))))
        SetProcessDPIAware();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    BecomeDpiAware();
    DemoPlatform platform(argv[2]);
    vexo::SetPlatform(&platform);
    SetTimer(nullptr, 0, argc > 3 ? static_cast<UINT>(std::atoi(argv[3])) : 6000, CloseTick);
    const std::string dialog = argv[1];
    try {
        if (dialog == "options")
            vexo::forms::ShowOptionsDialog(nullptr);
        else if (dialog == "logfile")
            vexo::forms::ShowLogfileDialog(nullptr);
        else if (dialog == "infopath")
            vexo::forms::ShowInfoPathSettingsDialog(nullptr);
        else if (dialog == "about")
            vexo::forms::ShowAboutDialog(nullptr);
        else
            return 2;
    } catch (const vexo::Error& e) {
        platform.ShowMessage(e.what(), vexo::MessageKind::Error);
        return 1;
    }
    vexo::SetPlatform(nullptr);
    return 0;
}
