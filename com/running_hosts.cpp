#include "running_hosts.h"

#include <windows.h>

#include <tlhelp32.h>

namespace vexo::com {
namespace {

struct Host {
    const wchar_t* exe;
    const wchar_t* name;
};

constexpr Host kHosts[] = {
    {L"EXCEL.EXE", L"Excel"},
    {L"WINWORD.EXE", L"Word"},
    {L"INFOPATH.EXE", L"InfoPath"},
};

class MessageBoxPrompt : public HostPrompt {
public:
    int AskToClose(const std::wstring& text) override {
        return MessageBoxW(GetActiveWindow(), text.c_str(), L"Vexo Add-In",
                           MB_CANCELTRYCONTINUE | MB_ICONWARNING | MB_TASKMODAL);
    }
    void ShowCanceled(const std::wstring& text) override {
        MessageBoxW(GetActiveWindow(), text.c_str(), L"Vexo Add-In",
                    MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    }
};

}  // namespace

std::vector<std::wstring> RunningHosts() {
    bool running[std::size(kHosts)] = {};
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot, &entry); more;
             more = Process32NextW(snapshot, &entry)) {
            for (size_t i = 0; i < std::size(kHosts); ++i)
                if (lstrcmpiW(entry.szExeFile, kHosts[i].exe) == 0) running[i] = true;
        }
        CloseHandle(snapshot);
    }
    std::vector<std::wstring> names;
    for (size_t i = 0; i < std::size(kHosts); ++i)
        if (running[i]) names.emplace_back(kHosts[i].name);
    return names;
}

HostPrompt& MessageBoxHostPrompt() {
    static MessageBoxPrompt prompt;
    return prompt;
}

bool HostsClosedOrIgnored(HostPrompt& prompt) {
    for (;;) {
        std::vector<std::wstring> hosts = RunningHosts();
        if (hosts.empty()) return true;
        std::wstring text = L"Please close all running host application instances:\n";
        for (const auto& name : hosts) text += L"\n" + name;
        switch (prompt.AskToClose(text)) {
            case IDTRYAGAIN: continue;
            case IDCONTINUE: return true;
            default:
                prompt.ShowCanceled(L"The registration process has been canceled.");
                return false;
        }
    }
}

}  // namespace vexo::com
