// The core's platform on Linux and other POSIX systems.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <thread>

#include "vexo_version.h"

#include "../cp1252.h"
#include "../error.h"
#include "../files.h"
#include "../module_version.h"
#include "../platform.h"

namespace vexo {
namespace {

class PosixPlatform : public Platform {
public:
    std::string AppDataFolder() override {
        const char* xdg = std::getenv("XDG_DATA_HOME");
        if (xdg && *xdg == '/') return xdg;
        const char* home = std::getenv("HOME");
        if (home && *home) return std::string(home) + "/.local/share";
        return "";
    }

    std::string LogonUserName() override {
        if (const passwd* pw = getpwuid(geteuid())) return std::string(pw->pw_name).substr(0, 254);
        const char* user = std::getenv("USER");
        return user ? std::string(user).substr(0, 254) : "";
    }

    LocalTime Now() override {
        std::time_t now = std::time(nullptr);
        std::tm tm{};
        localtime_r(&now, &tm);
        return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    }

    void ShowMessage(const std::string& text, MessageKind) override {
        std::cerr << text << std::endl;
    }
};

// Closes a descriptor on every path.
struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) close(fd);
    }
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string Folder(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

}  // namespace

std::unique_ptr<Platform> MakeNativePlatform() {
    return std::make_unique<PosixPlatform>();
}

std::string ToAnsi(std::string_view utf8) {
    return Utf8ToCp1252(utf8);
}
std::string FromAnsi(std::string_view ansi) {
    return Cp1252ToUtf8(ansi);
}

std::string GetModuleFileNameText() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : "";
}

std::string GetModuleVersionText() {
    return VEXO_VERSION_TEXT;
}

namespace files {

std::optional<std::string> ReadAll(const std::string& path) {
    Fd f{open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throw Error(path + " kann nicht gelesen werden");
    }
    // Sized once up front: a log of a million lines is read without regrowing.
    struct stat st {};
    std::string out(fstat(f.fd, &st) == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0,
                    '\0');
    size_t done = 0;
    for (;;) {
        if (done == out.size()) out.resize(done + 65536);
        ssize_t n = read(f.fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Error(path + " kann nicht gelesen werden");
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    out.resize(done);
    return out;
}

bool ReplaceAtomically(const std::string& path, std::string_view content) {
    struct stat st {};
    mode_t mode = 0644;
    if (stat(path.c_str(), &st) == 0) {
        // Like a read-only file on Windows: no owner write bit, no write (even for root).
        if (!(st.st_mode & S_IWUSR)) return false;
        mode = st.st_mode & 07777;
    }
    std::string temp = path + ".XXXXXX";
    Fd f{mkstemp(temp.data())};
    if (f.fd < 0) return false;
    bool ok = fchmod(f.fd, mode) == 0 && WriteAll(f.fd, content) && fsync(f.fd) == 0;
    ok = close(f.fd) == 0 && ok;
    f.fd = -1;
    if (!ok || rename(temp.c_str(), path.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    Fd dir{open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) fsync(dir.fd);
    return true;
}

bool Append(const std::string& path, std::string_view header, std::string_view line) {
    Fd f{open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644)};
    if (f.fd >= 0) return WriteAll(f.fd, std::string(header) + std::string(line));
    if (errno != EEXIST) return false;
    f.fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    return f.fd >= 0 && WriteAll(f.fd, line);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDirectories(const std::string& path) {
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            std::string part = path.substr(0, i);
            if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    return IsDirectory(path);
}

ExclusiveLock::~ExclusiveLock() {
    Release();
}

ExclusiveLock::Result ExclusiveLock::Acquire(const std::string& path, int timeout_ms) {
    Release();
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return Result::Failed;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            Release();
            return Result::Failed;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            Release();
            return Result::TimedOut;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return Result::Acquired;
}

void ExclusiveLock::Release() {
    if (fd_ >= 0) close(fd_);  // closing drops the flock
    fd_ = -1;
}

}  // namespace files
}  // namespace vexo
