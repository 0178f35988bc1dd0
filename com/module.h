#pragma once

#include <windows.h>

#include <string>

namespace vexo::com {

// The DLL's own module: its handle and the count of living objects and factory locks that
// DllCanUnloadNow answers from.
HMODULE ThisModule();
void SetThisModule(HMODULE module);
void ModuleAddRef();
void ModuleRelease();
bool ModuleInUse();

// The DLL's full path ("" when unknown).
std::wstring ThisModulePath();

}  // namespace vexo::com
