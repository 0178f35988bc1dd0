#include "dispatch.h"

#include <cstdio>
#include <vector>

namespace vexo::office {
namespace {

std::string Hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

// Invoke with `args` (first to last) reversed into rgvarg, as Automation wants them.
Variant Invoke(IDispatch* object, const wchar_t* member, WORD flags,
               std::initializer_list<Variant> args, const Variant* put_value,
               const wchar_t* arg_name = nullptr) {
    std::string what = Narrow(member);
    if (!object) throw Error("Office hat kein Objekt für \"" + what + "\" geliefert.");
    const wchar_t* names[2] = {member, arg_name};
    DISPID ids[2] = {DISPID_UNKNOWN, DISPID_UNKNOWN};
    Check(object->GetIDsOfNames(IID_NULL, const_cast<LPOLESTR*>(names), arg_name ? 2 : 1,
                                LOCALE_USER_DEFAULT, ids),
          what);

    std::vector<VARIANT> reversed;
    reversed.reserve(args.size() + 1);
    if (put_value) reversed.push_back(*put_value->Get());
    for (auto it = args.end(); it != args.begin();) reversed.push_back(*(--it)->Get());

    DISPID named = put_value ? DISPID_PROPERTYPUT : ids[1];
    DISPPARAMS params{reversed.data(), (put_value || arg_name) ? &named : nullptr,
                      static_cast<UINT>(reversed.size()), (put_value || arg_name) ? 1u : 0u};
    Variant result;
    EXCEPINFO info{};
    UINT bad_arg = 0;
    HRESULT hr = object->Invoke(ids[0], IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                put_value ? nullptr : result.Get(), &info, &bad_arg);
    Check(hr, what, &info);
    return result;
}

}  // namespace

void Check(HRESULT hr, const std::string& what, EXCEPINFO* info) {
    std::string description;
    if (info) {
        if (info->pfnDeferredFillIn) info->pfnDeferredFillIn(info);
        description = BstrUtf8(info->bstrDescription);
        SysFreeString(info->bstrDescription);
        SysFreeString(info->bstrSource);
        SysFreeString(info->bstrHelpFile);
        *info = EXCEPINFO{};
    }
    if (SUCCEEDED(hr)) return;
    if (!description.empty()) throw ComError(description, hr);
    throw ComError("Office hat \"" + what + "\" mit dem Fehler " + Hex(hr) + " abgelehnt.", hr);
}

DISPID GetDispId(IDispatch* object, const wchar_t* member) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    Check(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), Narrow(member));
    return id;
}

Variant Get(IDispatch* object, const wchar_t* member, std::initializer_list<Variant> args) {
    return Invoke(object, member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, nullptr);
}

void Put(IDispatch* object, const wchar_t* member, const Variant& value,
         std::initializer_list<Variant> index) {
    Invoke(object, member, DISPATCH_PROPERTYPUT, index, &value);
}

Variant Call(IDispatch* object, const wchar_t* member, std::initializer_list<Variant> args) {
    return Invoke(object, member, DISPATCH_METHOD, args, nullptr);
}

Variant CallNamed(IDispatch* object, const wchar_t* member, const wchar_t* arg_name,
                  const Variant& value) {
    return Invoke(object, member, DISPATCH_METHOD, {value}, nullptr, arg_name);
}

ComPtr<IDispatch> GetObject(IDispatch* object, const wchar_t* member,
                            std::initializer_list<Variant> args, const std::string& missing) {
    ComPtr<IDispatch> result = Get(object, member, args).ToObject();
    if (!result) throw Error(missing);
    return result;
}

ComPtr<IDispatch> GetObject(IDispatch* object, const wchar_t* member) {
    return GetObject(object, member, {},
                     "Office hat kein Objekt für \"" + Narrow(member) + "\" geliefert.");
}

}  // namespace vexo::office
