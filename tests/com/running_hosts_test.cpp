// Registration while an Office host runs: a copy of fake_host named EXCEL.EXE stands in.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32.h"
#include "registration.h"
#include "registry_key.h"
#include "running_hosts.h"
#include "support/process.h"
#include "support/test_platform.h"

namespace vexo::com {
namespace {

// Answers with the given buttons in turn and records what it was asked.
class ScriptedPrompt : public HostPrompt {
public:
    explicit ScriptedPrompt(std::vector<int> answers) : answers_(std::move(answers)) {}
    int AskToClose(const std::wstring& text) override {
        questions.push_back(text);
        return questions.size() <= answers_.size() ? answers_[questions.size() - 1] : IDCANCEL;
    }
    void ShowCanceled(const std::wstring& text) override { canceled.push_back(text); }

    std::vector<std::wstring> questions;
    std::vector<std::wstring> canceled;

private:
    std::vector<int> answers_;
};

const wchar_t kUserClassKey[] =
    L"Software\\Classes\\CLSID\\{782D6986-EA50-4897-A488-771035D5C9EE}\\InprocServer32";
const wchar_t kQuestion[] = L"Please close all running host application instances:\n\nExcel";

class RunningHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RunningHosts().empty());
        std::wstring excel = win32::Wide(folder.path()) + L"\\EXCEL.EXE";
        ASSERT_TRUE(CopyFileW(win32::Wide(testing::SiblingProgram("fake_host")).c_str(),
                              excel.c_str(), FALSE));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(excel.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &host));
        CloseHandle(host.hThread);
    }
    void TearDown() override {
        TerminateProcess(host.hProcess, 0);
        WaitForSingleObject(host.hProcess, 5000);
        CloseHandle(host.hProcess);
    }

    testing::TempFolder folder;
    PROCESS_INFORMATION host{};
};

TEST_F(RunningHostTest, ARunningHostIsFoundByItsProgram) {
    EXPECT_EQ(std::vector<std::wstring>{L"Excel"}, RunningHosts());
}

TEST_F(RunningHostTest, CancelStopsRegistrationBeforeItWritesAnything) {
    ScriptedPrompt prompt({IDTRYAGAIN, IDCANCEL});
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_CANCELLED), RegisterServer(Scope::User, prompt));
    EXPECT_EQ((std::vector<std::wstring>{kQuestion, kQuestion}), prompt.questions);
    EXPECT_EQ(std::vector<std::wstring>{L"The registration process has been canceled."},
              prompt.canceled);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserClassKey, OwnView()));
}

TEST_F(RunningHostTest, IgnoreGoesOnWithRegistrationAndUnregistration) {
    ScriptedPrompt prompt({IDCONTINUE, IDCONTINUE});
    EXPECT_EQ(S_OK, RegisterServer(Scope::User, prompt));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserClassKey, OwnView()));
    EXPECT_EQ(S_OK, UnregisterServer(Scope::User, prompt));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserClassKey, OwnView()));
    EXPECT_EQ(2u, prompt.questions.size());
    EXPECT_TRUE(prompt.canceled.empty());
}

TEST_F(RunningHostTest, RetryLooksAgainAndGoesOnOnceTheHostHasEnded) {
    class ClosingPrompt : public ScriptedPrompt {
    public:
        explicit ClosingPrompt(HANDLE process) : ScriptedPrompt({}), process_(process) {}
        int AskToClose(const std::wstring& text) override {
            ScriptedPrompt::AskToClose(text);
            TerminateProcess(process_, 0);  // the user closes Excel, then clicks Retry
            WaitForSingleObject(process_, 5000);
            return IDTRYAGAIN;
        }

    private:
        HANDLE process_;
    } prompt(host.hProcess);
    EXPECT_EQ(S_OK, RegisterServer(Scope::User, prompt));
    EXPECT_EQ(1u, prompt.questions.size());
    EXPECT_EQ(S_OK, UnregisterServer(Scope::User, prompt));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserClassKey, OwnView()));
}

}  // namespace
}  // namespace vexo::com
