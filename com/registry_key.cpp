#include "registry_key.h"

#include "com_error.h"

namespace vexo::com {

REGSAM OwnView() {
    return sizeof(void*) == 8 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}
REGSAM OtherView() {
    return sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

bool HasOtherView() {
    if (sizeof(void*) == 8) return true;
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

RegistryKey::~RegistryKey() {
    if (key_) RegCloseKey(key_);
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        if (key_) RegCloseKey(key_);
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

RegistryKey RegistryKey::Create(HKEY root, const std::wstring& path, REGSAM view) {
    HKEY key = nullptr;
    ThrowIfWin32Error(RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_WRITE | view, nullptr, &key, nullptr),
                      "RegCreateKeyEx");
    return RegistryKey(key);
}

RegistryKey RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return {};
    return RegistryKey(key);
}

void RegistryKey::SetString(const wchar_t* name, const std::wstring& value) {
    auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    ThrowIfWin32Error(
        RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes),
        "RegSetValueEx");
}

void RegistryKey::SetDword(const wchar_t* name, DWORD value) {
    ThrowIfWin32Error(RegSetValueExW(key_, name, 0, REG_DWORD,
                                     reinterpret_cast<const BYTE*>(&value), sizeof value),
                      "RegSetValueEx");
}

bool KeyExists(HKEY root, const std::wstring& path, REGSAM view) {
    return static_cast<bool>(RegistryKey::Open(root, path, view));
}

void DeleteTree(HKEY root, const std::wstring& path, REGSAM view) {
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS | view, &key);
    if (status == ERROR_FILE_NOT_FOUND) return;
    ThrowIfWin32Error(status, "RegOpenKeyEx");
    status = RegDeleteTreeW(key, nullptr);
    RegCloseKey(key);
    ThrowIfWin32Error(status, "RegDeleteTree");
    status = RegDeleteKeyExW(root, path.c_str(), view, 0);
    if (status != ERROR_FILE_NOT_FOUND) ThrowIfWin32Error(status, "RegDeleteKeyEx");
}

void DeleteIfEmpty(HKEY root, const std::wstring& path, REGSAM view) {
    RegistryKey key = RegistryKey::Open(root, path, view);
    DWORD subkeys = 0, values = 0;
    if (!key || RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                 &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    key = RegistryKey();
    if (subkeys == 0 && values == 0) RegDeleteKeyExW(root, path.c_str(), view, 0);
}

}  // namespace vexo::com
