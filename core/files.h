#pragma once

#include <optional>
#include <string>
#include <string_view>

// File operations of the core, one implementation per platform. Paths and texts are UTF-8;
// file contents are bytes as they stand on disk.
namespace vexo::files {

// The whole file; nullopt when it does not exist. Any other failure throws vexo::Error.
std::optional<std::string> ReadAll(const std::string& path);

// Replaces the file's content atomically: a temporary file beside it is written, flushed and
// swapped in, so readers see the old or the new content, never a mix. A read-only target
// is refused. Returns false on failure, with the old file intact.
bool ReplaceAtomically(const std::string& path, std::string_view content);

// Appends `line` with one write; a file that did not exist is created with `header` first.
// Returns false on failure.
bool Append(const std::string& path, std::string_view header, std::string_view line);

bool Exists(const std::string& path);
bool IsDirectory(const std::string& path);
// Creates the folder with every missing parent; true when it exists afterwards.
bool CreateDirectories(const std::string& path);

// An exclusive lock on `path` (created when missing) that other processes see.
class ExclusiveLock {
public:
    ExclusiveLock() = default;
    ~ExclusiveLock();
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

    enum class Result { Acquired, TimedOut, Failed };
    // Waits up to `timeout_ms` for the lock.
    Result Acquire(const std::string& path, int timeout_ms);
    void Release();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace vexo::files

namespace vexo {
// UTF-8 to the system's ANSI code page and back (1252 on POSIX). Characters the code page
// lacks become '?'.
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);
}  // namespace vexo
