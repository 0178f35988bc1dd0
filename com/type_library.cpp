#include "type_library.h"

#include <oleauto.h>

#include "module.h"
#include "vexo_tlb.h"

namespace vexo::com {
namespace {

ITypeInfo* cached_info = nullptr;

}  // namespace

HRESULT LoadOwnTypeLibrary(ITypeLib** library) {
    std::wstring path = ThisModulePath();
    if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
    return LoadTypeLibEx(path.c_str(), REGKIND_NONE, library);
}

HRESULT GetVexoClassTypeInfo(ITypeInfo** info) {
    *info = nullptr;
    ITypeInfo* loaded = static_cast<ITypeInfo*>(InterlockedCompareExchangePointer(
        reinterpret_cast<void**>(&cached_info), nullptr, nullptr));
    if (!loaded) {
        ITypeLib* library = nullptr;
        HRESULT hr = LoadOwnTypeLibrary(&library);
        if (FAILED(hr)) return hr;
        hr = library->GetTypeInfoOfGuid(IID_IVexoClass, &loaded);
        library->Release();
        if (FAILED(hr)) return hr;
        // Two threads may race here; the loser drops its copy.
        void* earlier = InterlockedCompareExchangePointer(reinterpret_cast<void**>(&cached_info),
                                                          loaded, nullptr);
        if (earlier) {
            loaded->Release();
            loaded = static_cast<ITypeInfo*>(earlier);
        }
    }
    loaded->AddRef();
    *info = loaded;
    return S_OK;
}

void ReleaseTypeInfoCache() {
    void* info = InterlockedExchangePointer(reinterpret_cast<void**>(&cached_info), nullptr);
    if (info) static_cast<ITypeInfo*>(info)->Release();
}

}  // namespace vexo::com
