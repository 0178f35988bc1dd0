#pragma once

// RAII types for COM values: one type per kind (interface pointer, BSTR, VARIANT).
#include <oaidl.h>
#include <ole2.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/win32.h"

namespace vexo::office {

using win32::Narrow;
using win32::Wide;

// A BSTR by its length prefix (it may hold NULs); null reads as empty. Plain wchar_t arrays go
// to Utf8, never here.
std::string BstrUtf8(BSTR text);

// An owned interface pointer.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference to `p`.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Adopts a reference the caller already owns.
    static ComPtr Attach(T* p) {
        ComPtr r;
        r.p_ = p;
        return r;
    }
    T* Detach() { return std::exchange(p_, nullptr); }
    void Reset() {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out parameters: releases what is held.
    T** Put() {
        Reset();
        return &p_;
    }
    // QueryInterface for `iid`; empty when not supported.
    template <class U>
    ComPtr<U> As(REFIID iid) const {
        ComPtr<U> r;
        if (p_) p_->QueryInterface(iid, reinterpret_cast<void**>(r.Put()));
        return r;
    }

private:
    T* p_ = nullptr;
};

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::wstring_view text)
        : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    static Bstr FromUtf8(std::string_view utf8) { return Bstr(Wide(utf8)); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& o) noexcept : b_(std::exchange(o.b_, nullptr)) {}
    Bstr& operator=(Bstr&& o) noexcept {
        std::swap(b_, o.b_);
        return *this;
    }
    ~Bstr() { SysFreeString(b_); }

    BSTR Get() const { return b_; }
    BSTR Detach() { return std::exchange(b_, nullptr); }
    BSTR* Put() {
        SysFreeString(std::exchange(b_, nullptr));
        return &b_;
    }
    std::string Narrow() const { return BstrUtf8(b_); }

private:
    BSTR b_ = nullptr;
};

// An owned VARIANT, cleared on destruction.
class Variant {
public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant& o) : Variant() { VariantCopy(&v_, const_cast<VARIANT*>(&o.v_)); }
    Variant(Variant&& o) noexcept : Variant() { std::swap(v_, o.v_); }
    Variant& operator=(Variant o) noexcept {
        std::swap(v_, o.v_);
        return *this;
    }
    ~Variant() { VariantClear(&v_); }

    static Variant Text(std::string_view utf8);
    static Variant Int(long value);
    static Variant Bool(bool value);
    static Variant Object(IDispatch* object);  // adds a reference
    // The marker of an optional argument that is not given.
    static Variant Missing();

    VARIANT* Get() { return &v_; }
    const VARIANT* Get() const { return &v_; }
    VARIANT* Put() {
        VariantClear(&v_);
        return &v_;
    }
    VARTYPE Type() const { return V_VT(&v_); }
    // A conversion that fails throws vexo::Error naming `what`.
    std::string ToText(const char* what) const;
    long ToInt(const char* what) const;
    bool ToBool(const char* what) const;
    // The object it holds, or empty (VT_EMPTY, VT_NULL, a null pointer, no IDispatch).
    ComPtr<IDispatch> ToObject() const;

private:
    VARIANT v_;
};

}  // namespace vexo::office
