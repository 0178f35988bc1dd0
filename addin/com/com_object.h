#pragma once

// The plumbing that every small COM object of the glue (and of the fake Office in the tests)
// shares: reference counting and QueryInterface, the IUnknown of a part of a larger object,
// and the IDispatch members of an interface that has no type information.
#include <oaidl.h>
#include <ole2.h>

namespace vexo::office {

// IDispatch members for an interface called through its vtable: no type information and no
// names. An object that does take calls by name overrides GetIDsOfNames and Invoke.
template <class Interface>
class WithoutTypeInfo : public Interface {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }
};

// A heap object implementing `Interface`, created with one reference and deleted with its
// last. It answers IUnknown and the interfaces that Answers() names.
template <class Interface>
class ComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || Answers(iid)) {
            *out = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG n = --refs_;
        if (n == 0) delete this;
        return n;
    }

protected:
    virtual ~ComObject() = default;
    virtual bool Answers(REFIID iid) const = 0;

private:
    ULONG refs_ = 1;
};

// One interface of a larger object, living as long as it: identity and lifetime are the outer
// object's, so every interface of the object is reached from every other.
template <class Interface>
class ObjectPart : public Interface {
public:
    explicit ObjectPart(IUnknown* outer) : outer_(outer) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return outer_->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return outer_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return outer_->Release(); }

private:
    IUnknown* outer_;
};

}  // namespace vexo::office
