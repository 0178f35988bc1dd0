#include "module.h"

#include "platform/win32.h"

#include <string>

namespace vexo::com {
namespace {

HMODULE module_handle = nullptr;
LONG module_refs = 0;

}  // namespace

HMODULE ThisModule() {
    return module_handle ? module_handle : win32::ThisModule();
}
void SetThisModule(HMODULE module) {
    module_handle = module;
}
void ModuleAddRef() {
    InterlockedIncrement(&module_refs);
}
void ModuleRelease() {
    InterlockedDecrement(&module_refs);
}
bool ModuleInUse() {
    return InterlockedCompareExchange(&module_refs, 0, 0) != 0;
}

std::wstring ThisModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(ThisModule(), path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace vexo::com
