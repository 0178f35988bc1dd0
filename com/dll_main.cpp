// Vexo.dll's module plumbing: the entry point, the table of creatable classes with their class
// factory, and the exports COM and regsvr32 call.
#include <windows.h>

#include <olectl.h>

#include <new>

#include "com_error.h"
#include "module.h"
#include "registration.h"
#include "type_library.h"
#include "vexo_class.h"

namespace vexo::com {
namespace {

struct ClassEntry {
    const CLSID* clsid;
    HRESULT (*create)(REFIID iid, void** object);
};

const ClassEntry kClasses[] = {
    {&CLSID_VexoClass, &TVexoClass::Create},
};

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(const ClassEntry& entry) : entry_(entry) { ModuleAddRef(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            AddRef();
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&refs_));
    }
    STDMETHODIMP_(ULONG) Release() override {
        LONG refs = InterlockedDecrement(&refs_);
        if (refs == 0) delete this;
        return static_cast<ULONG>(refs);
    }

    // Every request makes a new object; no aggregation.
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return Guarded([&] { return entry_.create(iid, object); });
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        lock ? ModuleAddRef() : ModuleRelease();
        return S_OK;
    }

private:
    ~ClassFactory() { ModuleRelease(); }

    LONG refs_ = 1;
    const ClassEntry& entry_;
};

}  // namespace
}  // namespace vexo::com

using namespace vexo::com;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) SetThisModule(instance);
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    for (const ClassEntry& entry : kClasses) {
        if (!IsEqualCLSID(clsid, *entry.clsid)) continue;
        auto* factory = new (std::nothrow) ClassFactory(entry);
        if (!factory) return E_OUTOFMEMORY;
        HRESULT hr = factory->QueryInterface(iid, object);
        factory->Release();
        return hr;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() {
    if (ModuleInUse()) return S_FALSE;
    ReleaseTypeInfoCache();
    return S_OK;
}

STDAPI DllRegisterServer() {
    return RegisterServer(Scope::Machine);
}

STDAPI DllUnregisterServer() {
    return UnregisterServer(Scope::Machine);
}

// regsvr32 /n /i:user Vexo.dll (and /u /n /i:user) registers for the current user only;
// without a command line for all users.
extern "C" HRESULT STDAPICALLTYPE DllInstall(BOOL install, LPCWSTR command_line) {
    Scope scope = Scope::Machine;
    if (command_line && *command_line) {
        if (lstrcmpiW(command_line, L"user") != 0) return E_INVALIDARG;
        scope = Scope::User;
    }
    return install ? RegisterServer(scope) : UnregisterServer(scope);
}
