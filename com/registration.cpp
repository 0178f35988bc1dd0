#include "registration.h"

#include <oleauto.h>

#include <string>

#include "com_error.h"
#include "module.h"
#include "registry_key.h"
#include "type_library.h"
#include "vexo_tlb.h"

namespace vexo::com {
namespace {

const wchar_t kProgId[] = L"Vexo.VexoClass";
const wchar_t kClassName[] = L"VexoClass";
const wchar_t kOleAutomationMarshaler[] = L"{00020424-0000-0000-C000-000000000046}";
const wchar_t* const kOfficeHosts[] = {L"Excel", L"Word", L"InfoPath"};
constexpr SYSKIND kOwnSyskind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
const wchar_t* const kOwnPlatform = sizeof(void*) == 8 ? L"win64" : L"win32";

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

// Where a scope writes: its classes key and its root for the Office add-in keys.
struct Place {
    HKEY root;
    std::wstring classes = L"Software\\Classes\\";

    explicit Place(Scope scope)
        : root(scope == Scope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER) {}

    std::wstring ClassKey() const { return classes + L"CLSID\\" + GuidText(CLSID_VexoClass); }
    std::wstring ProgIdKey() const { return classes + kProgId; }
    std::wstring TypeLibKey() const { return classes + L"TypeLib\\" + GuidText(LIBID_Vexo); }
    std::wstring TypeLibPathKey() const { return TypeLibKey() + L"\\1.0\\0\\" + kOwnPlatform; }
    std::wstring InterfaceKey() const {
        return classes + L"Interface\\" + GuidText(IID_IVexoClass);
    }
    static std::wstring OfficeKey(const wchar_t* host) {
        return std::wstring(L"Software\\Microsoft\\Office\\") + host;
    }
    static std::wstring AddInKey(const wchar_t* host) {
        return OfficeKey(host) + L"\\AddIns\\" + kProgId;
    }
};

std::wstring FolderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// What RegisterTypeLib writes, under the user's classes: it has no per-user form everywhere
// (Wine's RegisterTypeLibForUser writes for all users).
void WriteUserTypeLibrary(const Place& place, const std::wstring& path) {
    const REGSAM view = OwnView();
    RegistryKey version = RegistryKey::Create(place.root, place.TypeLibKey() + L"\\1.0", view);
    version.SetString(nullptr, L"Vexo Library");
    RegistryKey::Create(place.root, place.TypeLibKey() + L"\\1.0\\FLAGS", view)
        .SetString(nullptr, L"0");
    RegistryKey::Create(place.root, place.TypeLibKey() + L"\\1.0\\HELPDIR", view)
        .SetString(nullptr, FolderOf(path));
    RegistryKey::Create(place.root, place.TypeLibPathKey(), view).SetString(nullptr, path);

    RegistryKey::Create(place.root, place.InterfaceKey(), view).SetString(nullptr, L"IVexoClass");
    for (const wchar_t* stub : {L"\\ProxyStubClsid", L"\\ProxyStubClsid32"})
        RegistryKey::Create(place.root, place.InterfaceKey() + stub, view)
            .SetString(nullptr, kOleAutomationMarshaler);
    RegistryKey lib = RegistryKey::Create(place.root, place.InterfaceKey() + L"\\TypeLib", view);
    lib.SetString(nullptr, GuidText(LIBID_Vexo));
    lib.SetString(L"Version", L"1.0");
}

void Register(Scope scope) {
    const Place place(scope);
    const REGSAM view = OwnView();
    std::wstring path = ThisModulePath();
    if (path.empty()) ThrowIfWin32Error(GetLastError(), "GetModuleFileName");

    if (scope == Scope::Machine) {
        ITypeLib* library = nullptr;
        ThrowIfFailed(LoadOwnTypeLibrary(&library), "LoadTypeLib");
        std::wstring folder = FolderOf(path);
        HRESULT hr = RegisterTypeLib(library, path.data(), folder.data());
        library->Release();
        ThrowIfFailed(hr, "RegisterTypeLib");
    } else {
        WriteUserTypeLibrary(place, path);
    }

    RegistryKey::Create(place.root, place.ClassKey(), view).SetString(nullptr, kClassName);
    RegistryKey server =
        RegistryKey::Create(place.root, place.ClassKey() + L"\\InprocServer32", view);
    server.SetString(nullptr, path);
    server.SetString(L"ThreadingModel", L"Apartment");
    RegistryKey::Create(place.root, place.ClassKey() + L"\\ProgID", view)
        .SetString(nullptr, kProgId);
    RegistryKey::Create(place.root, place.ClassKey() + L"\\TypeLib", view)
        .SetString(nullptr, GuidText(LIBID_Vexo));

    RegistryKey::Create(place.root, place.ProgIdKey(), view).SetString(nullptr, kClassName);
    RegistryKey::Create(place.root, place.ProgIdKey() + L"\\CLSID", view)
        .SetString(nullptr, GuidText(CLSID_VexoClass));

    for (const wchar_t* host : kOfficeHosts) {
        RegistryKey addin = RegistryKey::Create(place.root, Place::AddInKey(host), view);
        addin.SetString(L"FriendlyName", L"Vexo Add-In");
        addin.SetString(L"Description", L"Fortlaufende Rechnungsnummern f\u00fcr Word und Excel");
        addin.SetDword(L"LoadBehavior", 3);
        addin.SetDword(L"CommandLineSafe", 0);
    }
}

void DeleteAddInKeys(const Place& place, REGSAM view) {
    for (const wchar_t* host : kOfficeHosts) {
        DeleteTree(place.root, Place::AddInKey(host), view);
        // Keys made for the add-in alone go with it; Office's own keys hold values.
        DeleteIfEmpty(place.root, Place::OfficeKey(host) + L"\\AddIns", view);
        DeleteIfEmpty(place.root, Place::OfficeKey(host), view);
    }
    DeleteIfEmpty(place.root, L"Software\\Microsoft\\Office", view);
}

void Unregister(Scope scope) {
    const Place place(scope);
    const REGSAM view = OwnView();
    DeleteTree(place.root, place.ClassKey(), view);
    // The machine's add-in keys are per bitness, like the class; the user's are shared.
    if (scope == Scope::Machine) DeleteAddInKeys(place, view);

    const bool other_registered =
        HasOtherView() &&
        KeyExists(place.root, place.ClassKey() + L"\\InprocServer32", OtherView());
    // It fails when the registered file is gone or moved; the keys below go all the same.
    if (scope == Scope::Machine && !other_registered)
        UnRegisterTypeLib(LIBID_Vexo, 1, 0, 0, kOwnSyskind);
    DeleteTree(place.root, place.TypeLibPathKey(), view);
    DeleteIfEmpty(place.root, place.TypeLibKey() + L"\\1.0\\0", view);
    if (other_registered) return;

    for (REGSAM each : {OwnView(), OtherView()}) {
        DeleteTree(place.root, place.ProgIdKey(), each);
        DeleteTree(place.root, place.TypeLibKey(), each);
        DeleteTree(place.root, place.InterfaceKey(), each);
    }
    if (scope == Scope::User) DeleteAddInKeys(place, view);
    // A user's classes may have had no such folders before Vexo.
    for (const wchar_t* folder : {L"TypeLib", L"Interface"})
        for (REGSAM each : {OwnView(), OtherView()})
            DeleteIfEmpty(place.root, place.classes + folder, each);
}

HRESULT AfterAskingForHosts(HostPrompt& prompt, void (*work)(Scope), Scope scope) noexcept {
    return Guarded([&] {
        if (!HostsClosedOrIgnored(prompt)) {
            SetComErrorInfo(L"The registration process has been canceled.");
            return HRESULT_FROM_WIN32(ERROR_CANCELLED);
        }
        work(scope);
        return S_OK;
    });
}

}  // namespace

HRESULT RegisterServer(Scope scope, HostPrompt& prompt) noexcept {
    return AfterAskingForHosts(prompt, Register, scope);
}

HRESULT UnregisterServer(Scope scope, HostPrompt& prompt) noexcept {
    return AfterAskingForHosts(prompt, Unregister, scope);
}

}  // namespace vexo::com
