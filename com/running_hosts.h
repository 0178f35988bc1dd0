#pragma once

#include <string>
#include <vector>

namespace vexo::com {

// The Office hosts that load Vexo and now run, by name: "Excel", "Word", "InfoPath"
// (processes EXCEL.EXE, WINWORD.EXE, INFOPATH.EXE).
std::vector<std::wstring> RunningHosts();

// The questions of registration while hosts run. The default shows message boxes; tests answer
// themselves.
class HostPrompt {
public:
    virtual ~HostPrompt() = default;
    // IDCANCEL, IDTRYAGAIN or IDCONTINUE.
    virtual int AskToClose(const std::wstring& text) = 0;
    virtual void ShowCanceled(const std::wstring& text) = 0;
};

HostPrompt& MessageBoxHostPrompt();

// Asks to close the running hosts until none runs (Retry) or the user goes on (Ignore); false
// when the user cancels, after telling so.
bool HostsClosedOrIgnored(HostPrompt& prompt);

}  // namespace vexo::com
