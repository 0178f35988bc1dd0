#include "windows_ui_services.h"

#include <shlobj.h>

#include "com_types.h"
#include "dialogs.h"
#include "error.h"

namespace vexo::office {
namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr wchar_t kWindowClass[] = L"VexoAddinTimerWindow";

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        SetWindowTextW(window, L"Ordner wählen");
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
        RECT r;
        GetWindowRect(window, &r);
        int width = r.right - r.left, height = r.bottom - r.top;
        SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return 0;
}

}  // namespace

WindowsUiServices::WindowsUiServices(std::function<void()> on_timer)
    : on_timer_(std::move(on_timer)) {}

WindowsUiServices::~WindowsUiServices() {
    if (!window_) return;
    StopTimer();
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

// The timer's window is made on first use: a connection that never inserts needs none.
void WindowsUiServices::CreateTimerWindow() {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &WindowProc;
    window_class.hInstance = win32::ThisModule();
    window_class.lpszClassName = kWindowClass;
    RegisterClassExW(&window_class);  // fails harmlessly when registered already
    window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              win32::ThisModule(), nullptr);
    if (!window_) throw Error("Der Zeitgeber des Add-Ins konnte nicht angelegt werden.");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK WindowsUiServices::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER && w == kTimerId) {
        auto* self = reinterpret_cast<WindowsUiServices*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        KillTimer(window, kTimerId);  // one shot
        if (self) {
            self->timer_running_ = false;
            try {
                self->on_timer_();
            } catch (...) {
            }
        }
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

void WindowsUiServices::StartTimer(int ms) {
    if (!window_) CreateTimerWindow();
    if (!SetTimer(window_, kTimerId, static_cast<UINT>(ms), nullptr))
        throw Error("Der Zeitgeber des Add-Ins konnte nicht gestartet werden.");
    timer_running_ = true;
}

void WindowsUiServices::StopTimer() {
    if (timer_running_) KillTimer(window_, kTimerId);
    timer_running_ = false;
}

HWND WindowsUiServices::Owner() {
    return GetActiveWindow();
}

OverwriteAnswer WindowsUiServices::AskOverwrite(const std::string& text) {
    switch (MessageBoxW(Owner(), Wide(text).c_str(), L"Warnung", MB_YESNOCANCEL | MB_ICONWARNING)) {
        case IDYES: return OverwriteAnswer::Yes;
        case IDNO: return OverwriteAnswer::No;
        default: return OverwriteAnswer::Cancel;
    }
}

std::optional<std::string> WindowsUiServices::PickFolder(const std::string& initial_folder) {
    std::wstring initial = Wide(initial_folder);
    BROWSEINFOW info{};
    info.hwndOwner = Owner();
    info.lpszTitle = L"Speicherort für InfoPath XML-Formulare wählen";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
    PIDLIST_ABSOLUTE list = SHBrowseForFolderW(&info);
    if (!list) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    bool ok = SHGetPathFromIDListW(list, path);
    CoTaskMemFree(list);
    if (!ok) throw Error("Der gewählte Ordner ist kein Ordner des Dateisystems.");
    return Narrow(path);
}

void WindowsUiServices::ShowError(const std::string& text) {
    ShowErrorBox(text);
}

void WindowsUiServices::ShowErrorBox(const std::string& text) noexcept {
    try {
        MessageBoxW(Owner(), Wide(text).c_str(), L"Vexo Add-In", MB_OK | MB_ICONERROR);
    } catch (...) {
    }
}

void WindowsUiServices::ShowOptionsDialog() {
    forms::ShowOptionsDialog(Owner());
}

void WindowsUiServices::ShowLogfileDialog() {
    forms::ShowLogfileDialog(Owner());
}

void WindowsUiServices::ShowInfoPathSettingsDialog() {
    forms::ShowInfoPathSettingsDialog(Owner());
}

void WindowsUiServices::ShowAboutDialog() {
    forms::ShowAboutDialog(Owner());
}

}  // namespace vexo::office
