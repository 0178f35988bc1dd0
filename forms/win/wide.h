#pragma once

#include <windows.h>

#include "platform/win32.h"

#include <string>
#include <string_view>

namespace vexo::forms {

using win32::Narrow;
using win32::Wide;

inline std::wstring WindowText(HWND window) {
    int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), n + 1)));
    return text;
}

}  // namespace vexo::forms
