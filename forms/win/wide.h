#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vexo::forms {

inline std::wstring Wide(std::string_view text, UINT code_page = CP_UTF8) {
    if (text.empty()) return {};
    int n =
        MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

inline std::string Narrow(std::wstring_view text, UINT code_page = CP_UTF8) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

inline std::wstring WindowText(HWND window) {
    int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), n + 1)));
    return text;
}

}  // namespace vexo::forms
