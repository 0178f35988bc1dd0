#pragma once

#include <string>
#include <vector>

namespace vexo::testing {

// The path of a program built beside the running test (".exe" added on Windows).
std::string SiblingProgram(const std::string& name);

// A child process with its standard output in a file.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& args, const std::string& stdout_path);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    int Wait();  // exit code; -1 when it could not start

private:
#ifdef _WIN32
    void* process_ = nullptr;
#else
    int pid_ = -1;
#endif
    int exit_code_ = -1;
};

struct RunResult {
    int exit_code;
    std::string out;  // stdout, with CR LF made LF
    std::string err;  // stderr, likewise
};

// Runs a program to its end.
RunResult Run(const std::vector<std::string>& args);

}  // namespace vexo::testing
