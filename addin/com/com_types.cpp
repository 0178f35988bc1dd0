#include "com_types.h"

#include "error.h"

namespace vexo::office {

std::string BstrUtf8(BSTR text) {
    return text ? Narrow(std::wstring_view(text, SysStringLen(text))) : std::string();
}

Variant Variant::Text(std::string_view utf8) {
    Variant v;
    V_VT(&v.v_) = VT_BSTR;
    V_BSTR(&v.v_) = Bstr::FromUtf8(utf8).Detach();
    return v;
}

Variant Variant::Int(long value) {
    Variant v;
    V_VT(&v.v_) = VT_I4;
    V_I4(&v.v_) = value;
    return v;
}

Variant Variant::Bool(bool value) {
    Variant v;
    V_VT(&v.v_) = VT_BOOL;
    V_BOOL(&v.v_) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Object(IDispatch* object) {
    Variant v;
    V_VT(&v.v_) = VT_DISPATCH;
    V_DISPATCH(&v.v_) = object;
    if (object) object->AddRef();
    return v;
}

Variant Variant::Missing() {
    Variant v;
    V_VT(&v.v_) = VT_ERROR;
    V_ERROR(&v.v_) = DISP_E_PARAMNOTFOUND;
    return v;
}

namespace {

Variant Converted(const VARIANT& from, VARTYPE type, const char* what) {
    Variant to;
    HRESULT hr = VariantChangeType(to.Get(), const_cast<VARIANT*>(&from), 0, type);
    if (FAILED(hr))
        throw Error(std::string("Office hat für \"") + what +
                    "\" einen Wert geliefert, der sich nicht umwandeln lässt.");
    return to;
}

}  // namespace

std::string Variant::ToText(const char* what) const {
    if (Type() == VT_BSTR) return BstrUtf8(V_BSTR(&v_));
    return BstrUtf8(V_BSTR(Converted(v_, VT_BSTR, what).Get()));
}

long Variant::ToInt(const char* what) const {
    return V_I4(Converted(v_, VT_I4, what).Get());
}

bool Variant::ToBool(const char* what) const {
    return V_BOOL(Converted(v_, VT_BOOL, what).Get()) != VARIANT_FALSE;
}

ComPtr<IDispatch> Variant::ToObject() const {
    const VARIANT* v = &v_;
    if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
    switch (V_VT(v)) {
        case VT_DISPATCH: return ComPtr<IDispatch>(V_DISPATCH(v));
        case VT_DISPATCH | VT_BYREF: return ComPtr<IDispatch>(*V_DISPATCHREF(v));
        case VT_UNKNOWN: return ComPtr<IUnknown>(V_UNKNOWN(v)).As<IDispatch>(IID_IDispatch);
        default: return {};
    }
}

}  // namespace vexo::office
