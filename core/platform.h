#pragma once

#include <memory>
#include <string>

namespace vexo {

struct LocalTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

enum class MessageKind { Plain, Information, Warning, Error };

// The facts of the machine that the core asks for. The native implementation talks to the
// operating system; tests install their own with a fixed clock and a private data folder.
class Platform {
public:
    virtual ~Platform() = default;

    // The per-user application-data folder without trailing separator; empty when unknown.
    virtual std::string AppDataFolder() = 0;
    virtual std::string LogonUserName() = 0;
    virtual LocalTime Now() = 0;
    // A modal message with an OK button (stderr where there is no desktop).
    virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
};

// The platform in force: the installed one, else the native one.
Platform& CurrentPlatform();
// Installs `platform` for the process (not owned; nullptr restores the native one).
void SetPlatform(Platform* platform);
std::unique_ptr<Platform> MakeNativePlatform();

// Path separator of the data folder: a backslash on Windows, a slash elsewhere.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

#ifdef _WIN32
// The file-system path of a shell special folder (a CSIDL value), without trailing
// backslash; empty when it cannot be obtained.
std::string GetSpecialFolderPath(int folder);
#endif

}  // namespace vexo
