#pragma once

// The add-in object as the DLL's class holds the connection, for tests inside one process:
// IDispatch by the connection's callback names, the connection's parts by QueryInterface.
#include "addin_connection.h"

namespace vexo::testing {

class TestAddin final : public IDispatch {
public:
    TestAddin() : connection_(this) {}

    office::AddinConnection& connection() { return connection_; }
    ULONG refs() const { return refs_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *out = static_cast<IDispatch*>(this);
        } else if (IUnknown* part = connection_.Find(iid)) {
            *out = part;
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // owned by the test
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                            DISPID* ids) override {
        return connection_.GetIdOfName(names[0], ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* arg) override {
        return connection_.Invoke(id, flags, params, result, info, arg);
    }

private:
    ULONG refs_ = 1;
    office::AddinConnection connection_;
};

}  // namespace vexo::testing
