#pragma once

#include <windows.h>

#include <string>

namespace vexo::com {

// The registry view of this DLL's bitness and the other one (KEY_WOW64_32KEY/_64KEY).
REGSAM OwnView();
REGSAM OtherView();
// False on 32-bit Windows, which has one view only.
bool HasOtherView();

// An open registry key, closed with its owner.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Creates or opens `path` below `root` for writing, in `view`; throws ComError.
    static RegistryKey Create(HKEY root, const std::wstring& path, REGSAM view);
    // Opens `path` for reading; an empty key when it does not exist.
    static RegistryKey Open(HKEY root, const std::wstring& path, REGSAM view);

    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

    // `name` nullptr is the key's default value. Throw ComError.
    void SetString(const wchar_t* name, const std::wstring& value);
    void SetDword(const wchar_t* name, DWORD value);

private:
    explicit RegistryKey(HKEY key) : key_(key) {}
    HKEY key_ = nullptr;
};

bool KeyExists(HKEY root, const std::wstring& path, REGSAM view);
// Deletes the key with everything below it; a missing key is no failure. Throws ComError.
void DeleteTree(HKEY root, const std::wstring& path, REGSAM view);
// Deletes the key when it holds neither values nor subkeys.
void DeleteIfEmpty(HKEY root, const std::wstring& path, REGSAM view);

}  // namespace vexo::com
