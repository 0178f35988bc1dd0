#pragma once

#include <windows.h>

#include <oaidl.h>

#include <memory>

#include "addin_connection.h"
#include "dispatch_extension.h"
#include "vexo_tlb.h"

namespace vexo::com {

// The creatable class VexoClass: the automation object IVexoClass through which macros and
// scripts read the next number, draw one and ask for the version.
//
// IDispatch is served from the type library (ITypeInfo::Invoke on IVexoClass); names and
// DISPIDs it does not know go to an optional DispatchExtension (see dispatch_extension.h).
// Interfaces are listed in one table in vexo_class.cpp: adding one (IDTExtensibility2,
// IRibbonExtensibility) is a base class here and a line there; IDispatch keeps answering with
// the IVexoClass vtable, whose IDispatch methods all bases share.
class TVexoClass final : public IVexoClass, public ISupportErrorInfo {
public:
    // The class factory's creation function: a new object, asked for `iid`.
    static HRESULT Create(REFIID iid, void** object);

    // Installs (or with nullptr removes) the resolver of extra IDispatch names; not owned, it
    // must stay valid while installed.
    void SetDispatchExtension(DispatchExtension* extension) { extension_ = extension; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* arg_error) override;

    // IVexoClass
    STDMETHODIMP get_ReadCounter(VARIANT* value) override;
    STDMETHODIMP get_SetCounter(VARIANT* value) override;
    STDMETHODIMP get_GetVersion(VARIANT* value) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

private:
    explicit TVexoClass(ITypeInfo* type_info);
    ~TVexoClass();
    TVexoClass(const TVexoClass&) = delete;
    TVexoClass& operator=(const TVexoClass&) = delete;

    LONG refs_ = 1;
    ITypeInfo* type_info_;  // of IVexoClass, owned
    DispatchExtension* extension_ = nullptr;
    // The add-in side: IDTExtensibility2, IRibbonExtensibility and the ribbon's callbacks.
    std::unique_ptr<office::AddinConnection> connection_;
};

}  // namespace vexo::com
