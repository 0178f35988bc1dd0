#include "dll_fixture.h"

#include <string>

#include "com_types.h"
#include "error.h"
#include "files.h"
#include "issue_log.h"
#include "settings.h"

namespace vexo::fake {
namespace {

std::wstring SiblingDll() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L"\\/") + 1) + L"Vexo.dll";
}

using Export = HRESULT(STDAPICALLTYPE*)();

Export Find(HMODULE module, const char* name) {
    auto found = reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!found) throw Error(std::string("Vexo.dll exportiert ") + name + " nicht");
    return found;
}

}  // namespace

// Wine's HKEY_CLASSES_ROOT does not show a user's own classes (HKCU\Software\Classes), so
// the ProgID is registered for the machine of the prefix, as DllRegisterServer does.
VexoDllRegistration::VexoDllRegistration() : module_(LoadLibraryW(SiblingDll().c_str())) {
    if (!module_) throw Error("Vexo.dll nicht gefunden");
    if (FAILED(Find(module_, "DllRegisterServer")()))
        throw Error("Vexo.dll ließ sich nicht registrieren");
}

VexoDllRegistration::~VexoDllRegistration() {
    Find(module_, "DllUnregisterServer")();
}

HRESULT VexoDllRegistration::CanUnloadNow() const {
    return Find(module_, "DllCanUnloadNow")();
}

VexoDllRegistration& VexoDll() {
    static VexoDllRegistration registration;
    return registration;
}

void ResetDataFolder() {
    VexoDll();
    files::CreateDirectories(GetDataFolder());
    DeleteFileW(office::Wide(SettingsPath()).c_str());
    DeleteFileW(office::Wide(LogPath()).c_str());
}

}  // namespace vexo::fake
