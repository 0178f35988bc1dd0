#include "vexo_class.h"

#include <oleauto.h>

#include <cstring>
#include <new>
#include <string>

#include "com_error.h"
#include "counter.h"
#include "data_lock.h"
#include "files.h"
#include "host_state.h"
#include "module.h"
#include "module_version.h"
#include "platform/win32.h"
#include "settings.h"
#include "type_library.h"

namespace vexo::com {
namespace {

// The interfaces QueryInterface hands out, by IID: one line per interface.
struct InterfaceEntry {
    const IID* iid;
    IUnknown* (*cast)(TVexoClass* object);
};

template <class Interface>
IUnknown* As(TVexoClass* object) {
    return static_cast<Interface*>(object);
}

const InterfaceEntry kInterfaces[] = {
    {&IID_IUnknown, As<IVexoClass>},
    {&IID_IDispatch, As<IVexoClass>},
    {&IID_IVexoClass, As<IVexoClass>},
    {&IID_ISupportErrorInfo, As<ISupportErrorInfo>},
};

// The body of every member: the result cleared first, the text stored as a BSTR, any failure
// turned into an HRESULT and an error object, the result then left empty.
template <class Text>
HRESULT TextMember(VARIANT* value, Text&& text) noexcept {
    if (!value) return E_POINTER;
    std::memset(value, 0, sizeof *value);
    return Guarded([&] {
        std::wstring wide = win32::Wide(text());
        BSTR result = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        if (!result) throw std::bad_alloc();
        V_VT(value) = VT_BSTR;
        V_BSTR(value) = result;
        return S_OK;
    });
}

// The type library's members are property gets without arguments. ITypeInfo::Invoke would run
// one and then apply surplus arguments to its result, so "SetCounter(1)" would draw a number
// and still fail: refuse such calls before anything runs.
HRESULT CheckArgumentCount(ITypeInfo* info, DISPID id, const DISPPARAMS* params) {
    if (!params || params->cArgs == 0) return S_OK;
    ITypeInfo2* info2 = nullptr;
    if (FAILED(info->QueryInterface(IID_ITypeInfo2, reinterpret_cast<void**>(&info2)))) return S_OK;
    HRESULT result = S_OK;
    UINT index = 0;
    FUNCDESC* func = nullptr;
    if (SUCCEEDED(info2->GetFuncIndexOfMemId(id, INVOKE_PROPERTYGET, &index)) &&
        SUCCEEDED(info2->GetFuncDesc(index, &func))) {
        UINT accepted = 0;
        for (SHORT i = 0; i < func->cParams; ++i)
            if (!(func->lprgelemdescParam[i].paramdesc.wParamFlags &
                  (PARAMFLAG_FRETVAL | PARAMFLAG_FLCID)))
                ++accepted;
        if (params->cArgs > accepted) result = DISP_E_BADPARAMCOUNT;
        info2->ReleaseFuncDesc(func);
    }
    info2->Release();
    return result;
}

}  // namespace

HRESULT TVexoClass::Create(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    ITypeInfo* type_info = nullptr;
    HRESULT hr = GetVexoClassTypeInfo(&type_info);
    if (FAILED(hr)) return hr;
    auto* created = new (std::nothrow) TVexoClass(type_info);
    if (!created) {
        type_info->Release();
        return E_OUTOFMEMORY;
    }
    hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}

TVexoClass::TVexoClass(ITypeInfo* type_info)
    : type_info_(type_info),
      connection_(std::make_unique<office::AddinConnection>(static_cast<IVexoClass*>(this))) {
    SetDispatchExtension(connection_.get());
    ModuleAddRef();
}

TVexoClass::~TVexoClass() {
    connection_.reset();
    type_info_->Release();
    ModuleRelease();
}

STDMETHODIMP TVexoClass::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    for (const InterfaceEntry& entry : kInterfaces) {
        if (IsEqualIID(iid, *entry.iid)) {
            IUnknown* found = entry.cast(this);
            found->AddRef();
            *object = found;
            return S_OK;
        }
    }
    if (IUnknown* part = connection_->Find(iid)) {
        part->AddRef();
        *object = part;
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) TVexoClass::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

STDMETHODIMP_(ULONG) TVexoClass::Release() {
    LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
}

STDMETHODIMP TVexoClass::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP TVexoClass::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    type_info_->AddRef();
    *info = type_info_;
    return S_OK;
}

STDMETHODIMP TVexoClass::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids) return E_POINTER;
    return Guarded([&] {
        HRESULT hr = type_info_->GetIDsOfNames(names, count, ids);
        // The extension answers member names alone: its callbacks take no named arguments.
        if (hr == DISP_E_UNKNOWNNAME && count == 1 && extension_)
            hr = extension_->GetIdOfName(names[0], &ids[0]);
        return hr;
    });
}

STDMETHODIMP TVexoClass::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* exception, UINT* arg_error) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    return Guarded([&] {
        HRESULT hr = CheckArgumentCount(type_info_, id, params);
        if (FAILED(hr)) return hr;
        hr = type_info_->Invoke(static_cast<IVexoClass*>(this), id, flags, params, result,
                                exception, arg_error);
        if (hr == DISP_E_MEMBERNOTFOUND && extension_)
            hr = extension_->Invoke(id, flags, params, result, exception, arg_error);
        return hr;
    });
}

STDMETHODIMP TVexoClass::get_ReadCounter(VARIANT* value) {
    return TextMember(value, [] { return ReadNextNumber(); });
}

STDMETHODIMP TVexoClass::get_SetCounter(VARIANT* value) {
    return TextMember(value, [] {
        // A script may draw before any Office host has made the data folder.
        files::CreateDirectories(GetDataFolder());
        // The number after ours, read under the same lock, so no other issue slips between.
        DataLock lock;
        DrawNumber(HostAppName(HostKind) + HostVersion);
        return ReadNextNumber();
    });
}

STDMETHODIMP TVexoClass::get_GetVersion(VARIANT* value) {
    return TextMember(value, [] { return GetModuleVersionText(); });
}

STDMETHODIMP TVexoClass::InterfaceSupportsErrorInfo(REFIID iid) {
    return IsEqualIID(iid, IID_IVexoClass) ? S_OK : S_FALSE;
}

}  // namespace vexo::com
