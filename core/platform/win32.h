#pragma once

// Small helpers for every Windows part of Vexo (core's platform, the COM server, the Office
// glue, the dialogs): UTF-8 is the text in memory, UTF-16 the text of the W API and of COM.
#include <windows.h>

#include <string>
#include <string_view>

namespace vexo::win32 {

std::wstring Wide(std::string_view text, UINT code_page = CP_UTF8);
std::string Narrow(std::wstring_view text, UINT code_page = CP_UTF8);

// The module that holds Vexo's code: Vexo.dll inside a host, the program in a test. It owns
// the resources and window classes.
HMODULE ThisModule();

}  // namespace vexo::win32
