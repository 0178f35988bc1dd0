#include "process.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "module_version.h"
#include "test_platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace fs = std::filesystem;

namespace vexo::testing {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(fs::u8path(path), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::string text = s.str(), out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

#ifdef _WIN32
std::wstring Wide(const std::string& s) {
    return fs::u8path(s).wstring();
}

std::wstring QuoteArg(const std::string& arg) {
    std::wstring w = Wide(arg), out = L"\"";
    for (wchar_t c : w) {
        if (c == L'"') out += L'\\';
        out += c;
    }
    return out + L"\"";
}

HANDLE OpenForChild(const std::string& path) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    return CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
#endif

}  // namespace

std::string SiblingProgram(const std::string& name) {
    fs::path self = fs::u8path(GetModuleFileNameText());
#ifdef _WIN32
    return (self.parent_path() / (name + ".exe")).u8string();
#else
    return (self.parent_path() / name).u8string();
#endif
}

#ifdef _WIN32
ChildProcess::ChildProcess(const std::vector<std::string>& args, const std::string& stdout_path) {
    std::wstring line;
    for (const auto& a : args) line += (line.empty() ? L"" : L" ") + QuoteArg(a);
    HANDLE out = OpenForChild(stdout_path);
    HANDLE err = OpenForChild(stdout_path + ".err");
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &pi)) {
        CloseHandle(pi.hThread);
        process_ = pi.hProcess;
    }
    CloseHandle(out);
    CloseHandle(err);
}

ChildProcess::~ChildProcess() {
    Wait();
}

int ChildProcess::Wait() {
    if (!process_) return exit_code_;
    WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    CloseHandle(process_);
    process_ = nullptr;
    return exit_code_ = static_cast<int>(code);
}
#else
ChildProcess::ChildProcess(const std::vector<std::string>& args, const std::string& stdout_path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, stdout_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::string err_path = stdout_path + ".err";
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
    Wait();
}

int ChildProcess::Wait() {
    if (pid_ < 0) return exit_code_;
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

RunResult Run(const std::vector<std::string>& args) {
    TempFolder temp;
    std::string out = temp.path() + "/stdout.txt";
    ChildProcess child(args, out);
    int code = child.Wait();
    return {code, Slurp(out), Slurp(out + ".err")};
}

}  // namespace vexo::testing
