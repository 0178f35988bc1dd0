// The core's platform on Windows: shell folders, the logon name, the local clock, message
// boxes, files through the wide API, and LockFileEx for the cross-process lock.
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "../error.h"
#include "../files.h"
#include "../module_version.h"
#include "../platform.h"
#include "win32.h"

namespace vexo {

using win32::Narrow;
using win32::Wide;

namespace win32 {

std::wstring Wide(std::string_view text, UINT code_page) {
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int n = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view text, UINT code_page) {
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int n = WideCharToMultiByte(code_page, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(code_page, 0, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

}  // namespace win32

namespace {

// One owner per handle kind.
class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    void reset(HANDLE h = INVALID_HANDLE_VALUE) {
        if (valid()) CloseHandle(h_);
        h_ = h;
    }
    HANDLE release() {
        HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return h;
    }

private:
    HANDLE h_;
};

bool WriteAll(HANDLE h, std::string_view data) {
    DWORD written = 0;
    return WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
           written == data.size();
}

class WindowsPlatform : public Platform {
public:
    std::string AppDataFolder() override { return GetSpecialFolderPath(CSIDL_APPDATA); }

    std::string LogonUserName() override {
        wchar_t name[255];
        DWORD size = 255;
        return GetUserNameW(name, &size) ? Narrow(name) : "";
    }

    LocalTime Now() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    }

    void ShowMessage(const std::string& text, MessageKind kind) override {
        UINT icon = kind == MessageKind::Error         ? MB_ICONERROR
                    : kind == MessageKind::Warning     ? MB_ICONWARNING
                    : kind == MessageKind::Information ? MB_ICONINFORMATION
                                                       : 0;
        MessageBoxW(GetActiveWindow(), Wide(text).c_str(), L"Vexo", MB_OK | icon | MB_TASKMODAL);
    }
};

}  // namespace

std::unique_ptr<Platform> MakeNativePlatform() {
    return std::make_unique<WindowsPlatform>();
}

std::string GetSpecialFolderPath(int folder) {
    IMalloc* malloc = nullptr;
    if (FAILED(SHGetMalloc(&malloc)) || !malloc) return "";
    std::string result;
    LPITEMIDLIST list = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, folder, &list)) && list) {
        wchar_t path[MAX_PATH];
        if (SHGetPathFromIDListW(list, path)) result = Narrow(path);
        malloc->Free(list);
    }
    malloc->Release();
    return result;
}

std::string ToAnsi(std::string_view utf8) {
    return Narrow(Wide(utf8), CP_ACP);
}
std::string FromAnsi(std::string_view ansi) {
    return Narrow(Wide(ansi, CP_ACP));
}

std::string GetModuleFileNameText() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(win32::ThisModule(), path, MAX_PATH);
    return n ? Narrow(std::wstring_view(path, n)) : "";
}

std::string GetModuleVersionText() {
    const std::string fallback = "0.0.0.0";
    std::wstring file = Wide(GetModuleFileNameText());
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return fallback;
    std::string data(size, '\0');
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return fallback;

    struct Translation {
        WORD language, code_page;
    };
    Translation* tr = nullptr;
    UINT len = 0;
    if (VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&tr),
                       &len) &&
        len >= sizeof(Translation)) {
        wchar_t key[64];
        wsprintfW(key, L"\\StringFileInfo\\%04X%04X\\FileVersion", tr->language, tr->code_page);
        wchar_t* text = nullptr;
        if (VerQueryValueW(data.data(), key, reinterpret_cast<void**>(&text), &len) && text &&
            len > 0 && *text)
            return Narrow(text);
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) || !fixed)
        return fallback;
    char buf[64];
    wsprintfA(buf, "%d.%d.%d.%d", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
              HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
    return buf;
}

namespace files {

std::optional<std::string> ReadAll(const std::string& path) {
    Handle f(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) {
        DWORD e = GetLastError();
        if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND) return std::nullopt;
        throw Error(path + " kann nicht gelesen werden");
    }
    // Sized once up front: a log of a million lines is read without regrowing.
    LARGE_INTEGER size{};
    std::string out(
        GetFileSizeEx(f.get(), &size) && size.QuadPart > 0 ? static_cast<size_t>(size.QuadPart) : 0,
        '\0');
    size_t done = 0;
    for (;;) {
        if (done == out.size()) out.resize(done + 65536);
        DWORD want = static_cast<DWORD>(std::min<size_t>(out.size() - done, 1 << 24));
        DWORD n = 0;
        if (!ReadFile(f.get(), out.data() + done, want, &n, nullptr))
            throw Error(path + " kann nicht gelesen werden");
        if (n == 0) break;
        done += n;
    }
    out.resize(done);
    return out;
}

bool ReplaceAtomically(const std::string& path, std::string_view content) {
    std::wstring target = Wide(path);
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    // Writers hold the data lock, so one fixed temporary name suffices.
    std::wstring temp = target + L".tmp";
    Handle f(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return false;
    bool ok = WriteAll(f.get(), content) && FlushFileBuffers(f.get());
    f.reset();
    for (int attempt = 0; ok; ++attempt) {
        if (MoveFileExW(temp.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        // A reader without delete sharing (a virus scanner, an editor) holds it briefly.
        if (GetLastError() != ERROR_SHARING_VIOLATION || attempt == 20) break;
        Sleep(25);
    }
    DeleteFileW(temp.c_str());
    return false;
}

bool Append(const std::string& path, std::string_view header, std::string_view line) {
    Handle f(CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return false;
    bool created = GetLastError() != ERROR_ALREADY_EXISTS;
    std::string data = created ? std::string(header) + std::string(line) : std::string(line);
    return WriteAll(f.get(), data) && CloseHandle(f.release());
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(const std::string& path) {
    DWORD a = GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDirectories(const std::string& path) {
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || ((path[i] == '\\' || path[i] == '/') && i > 0)) {
            std::string part = path.substr(0, i);
            if (part.empty() || part.back() == ':') continue;  // "C:" is no folder to make
            if (!CreateDirectoryW(Wide(part).c_str(), nullptr) &&
                GetLastError() != ERROR_ALREADY_EXISTS && !IsDirectory(part))
                return false;
        }
    }
    return IsDirectory(path);
}

ExclusiveLock::~ExclusiveLock() {
    Release();
}

ExclusiveLock::Result ExclusiveLock::Acquire(const std::string& path, int timeout_ms) {
    Release();
    Handle f(CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valid()) return Result::Failed;
    ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
    for (;;) {
        OVERLAPPED at{};
        if (LockFileEx(f.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
            break;
        if (GetLastError() != ERROR_LOCK_VIOLATION && GetLastError() != ERROR_IO_PENDING)
            return Result::Failed;
        if (GetTickCount64() >= deadline) return Result::TimedOut;
        Sleep(2);
    }
    handle_ = f.release();
    return Result::Acquired;
}

void ExclusiveLock::Release() {
    if (!handle_) return;
    OVERLAPPED at{};
    UnlockFileEx(handle_, 0, 1, 0, &at);
    CloseHandle(handle_);
    handle_ = nullptr;
}

}  // namespace files
}  // namespace vexo
