#include "dispatch_object.h"

#include <olectl.h>

#include <cwchar>

#include "com_object.h"

namespace vexo::fake {

using office::Narrow;

std::string Text(const VARIANT* v) {
    if (!v) return {};
    Variant copy;
    if (FAILED(VariantChangeType(copy.Get(), const_cast<VARIANT*>(v), 0, VT_BSTR)))
        throw HostError{"Typen unverträglich"};
    return office::BstrUtf8(V_BSTR(copy.Get()));
}

long Int(const VARIANT* v) {
    Variant copy;
    if (!v || FAILED(VariantChangeType(copy.Get(), const_cast<VARIANT*>(v), 0, VT_I4)))
        throw HostError{"Typen unverträglich"};
    return V_I4(copy.Get());
}

bool Bool(const VARIANT* v) {
    Variant copy;
    if (!v || FAILED(VariantChangeType(copy.Get(), const_cast<VARIANT*>(v), 0, VT_BOOL)))
        throw HostError{"Typen unverträglich"};
    return V_BOOL(copy.Get()) != VARIANT_FALSE;
}

bool IsMissing(const VARIANT* v) {
    return !v || (V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND);
}

ComPtr<IDispatch> Object(const VARIANT* v) {
    if (!v) return {};
    Variant copy;
    VariantCopy(copy.Get(), const_cast<VARIANT*>(v));
    return copy.ToObject();
}

const VARIANT* Arg(const Args& args, size_t index) {
    return index < args.size() ? args[index] : nullptr;
}

// One event interface of one object: the advised sinks by cookie.
class ConnectionPoint final : public office::ComObject<IConnectionPoint> {
public:
    ConnectionPoint(DispatchObject* owner, REFIID events) : owner_(owner), events_(events) {}

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        *iid = events_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** c) override {
        if (!owner_) return E_UNEXPECTED;
        return owner_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(c));
    }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
        if (!sink || !cookie) return E_POINTER;
        // As Office's: the sink must answer for the event interface itself.
        IDispatch* events = nullptr;
        if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(&events))) || !events)
            return CONNECT_E_CANNOTCONNECT;
        *cookie = next_cookie_++;
        sinks_[*cookie] = ComPtr<IDispatch>::Attach(events);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        return sinks_.erase(cookie) ? S_OK : CONNECT_E_NOCONNECTION;
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

    const IID& events() const { return events_; }
    int count() const { return static_cast<int>(sinks_.size()); }
    void Detach() {
        owner_ = nullptr;
        sinks_.clear();
    }

    void Fire(DISPID id, std::vector<Variant>& args) {
        std::vector<VARIANT> reversed;
        for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it->Get());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        auto sinks = sinks_;  // a sink may unadvise while it runs
        for (auto& [cookie, sink] : sinks) {
            Variant result;
            sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.Get(), nullptr, nullptr);
        }
    }

private:
    bool Answers(REFIID iid) const override { return IsEqualIID(iid, IID_IConnectionPoint); }

    DispatchObject* owner_;
    IID events_;
    DWORD next_cookie_ = 1;
    std::map<DWORD, ComPtr<IDispatch>> sinks_;
};

ComPtr<DispatchObject> DispatchObject::New() {
    return ComPtr<DispatchObject>::Attach(new DispatchObject);
}

DispatchObject::~DispatchObject() {
    for (ConnectionPoint* point : points_) {
        point->Detach();
        point->Release();
    }
}

ULONG DispatchObject::Release() {
    ULONG n = --refs_;
    if (n == 0) delete this;
    return n;
}

DispatchObject& DispatchObject::Add(DISPID id, Member member) {
    if (id == -1) id = next_id_++;
    members_[id] = std::move(member);
    return *this;
}

DispatchObject& DispatchObject::Property(const std::wstring& name, Getter get, Setter set,
                                         DISPID id) {
    Member m;
    m.name = name;
    m.get = std::move(get);
    m.set = std::move(set);
    return Add(id, std::move(m));
}

DispatchObject& DispatchObject::Function(const std::wstring& name, Method call,
                                         std::vector<std::wstring> params, DISPID id) {
    Member m;
    m.name = name;
    m.call = std::move(call);
    m.params = std::move(params);
    return Add(id, std::move(m));
}

DispatchObject& DispatchObject::AcceptAnyProperty() {
    accept_any_ = true;
    return *this;
}

DispatchObject::Member* DispatchObject::Find(const std::wstring& name) {
    for (auto& [id, m] : members_)
        if (_wcsicmp(m.name.c_str(), name.c_str()) == 0) return &m;
    return nullptr;
}

Variant DispatchObject::Stored(const std::wstring& name) const {
    for (auto& [id, m] : members_)
        if (m.stored && _wcsicmp(m.name.c_str(), name.c_str()) == 0) return m.value;
    return {};
}

int DispatchObject::Writes(const std::wstring& name) const {
    for (auto& [id, m] : members_)
        if (_wcsicmp(m.name.c_str(), name.c_str()) == 0) return m.writes;
    return 0;
}

void DispatchObject::AddEvents(REFIID events) {
    points_.push_back(new ConnectionPoint(this, events));
}

void DispatchObject::Fire(REFIID events, DISPID id, std::vector<Variant> args) {
    ComPtr<DispatchObject> keep(this);
    for (ConnectionPoint* point : points_)
        if (IsEqualIID(point->events(), events)) point->Fire(id, args);
}

int DispatchObject::Sinks(REFIID events) const {
    for (ConnectionPoint* point : points_)
        if (IsEqualIID(point->events(), events)) return point->count();
    return 0;
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *out = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPointContainer) && !points_.empty()) {
        *out = static_cast<IConnectionPointContainer*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    Member* m = Find(names[0]);
    if (!m && accept_any_) {
        Member stored;
        stored.name = names[0];
        stored.stored = true;
        Add(-1, std::move(stored));
        m = Find(names[0]);
    }
    if (!m) return DISP_E_UNKNOWNNAME;
    for (auto& [id, member] : members_)
        if (&member == m) ids[0] = id;
    HRESULT hr = S_OK;
    for (UINT i = 1; i < count; ++i) {
        for (size_t p = 0; p < m->params.size(); ++p)
            if (_wcsicmp(m->params[p].c_str(), names[i]) == 0) ids[i] = static_cast<DISPID>(p);
        if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* info, UINT*) {
    auto it = members_.find(id);
    if (it == members_.end()) return DISP_E_MEMBERNOTFOUND;
    Member& m = it->second;
    ComPtr<DispatchObject> keep(this);  // a member may drop the last outside reference
    DISPPARAMS no_params{nullptr, nullptr, 0, 0};
    if (!params) params = &no_params;

    // Positional arguments first to last; named ones at their parameter's place.
    Args args;
    const VARIANT* put_value = nullptr;
    static VARIANT missing = [] {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_ERROR;
        V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
        return v;
    }();
    UINT positional = params->cArgs - params->cNamedArgs;
    for (UINT i = 0; i < positional; ++i) args.push_back(&params->rgvarg[params->cArgs - 1 - i]);
    for (UINT i = 0; i < params->cNamedArgs; ++i) {
        DISPID named = params->rgdispidNamedArgs[i];
        if (named == DISPID_PROPERTYPUT) {
            put_value = &params->rgvarg[i];
            continue;
        }
        if (named < 0) return DISP_E_PARAMNOTFOUND;
        if (args.size() <= static_cast<size_t>(named)) args.resize(named + 1, &missing);
        args[named] = &params->rgvarg[i];
    }
    for (auto& a : args)
        if (V_VT(a) == (VT_VARIANT | VT_BYREF)) a = V_VARIANTREF(a);

    try {
        Variant value;
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            if (!put_value) return DISP_E_PARAMNOTFOUND;
            if (m.stored) {
                VariantCopy(m.value.Get(), const_cast<VARIANT*>(put_value));
            } else if (m.set) {
                m.set(args, *put_value);
            } else {
                return DISP_E_MEMBERNOTFOUND;
            }
            ++m.writes;
            return S_OK;
        }
        if (m.stored) {
            value = m.value;
        } else if (m.call && (flags & DISPATCH_METHOD)) {
            value = m.call(args);
        } else if (m.get && (flags & DISPATCH_PROPERTYGET)) {
            value = m.get(args);
        } else {
            return DISP_E_MEMBERNOTFOUND;
        }
        if (result) {
            VariantInit(result);
            std::swap(*result, *value.Get());
        }
        return S_OK;
    } catch (const HostError& e) {
        if (info) {
            *info = EXCEPINFO{};
            info->scode = DISP_E_EXCEPTION;
            info->bstrSource = SysAllocString(L"Fake Office");
            info->bstrDescription = office::Bstr::FromUtf8(e.description).Detach();
        }
        return DISP_E_EXCEPTION;
    }
}

HRESULT DispatchObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    for (ConnectionPoint* p : points_) {
        if (IsEqualIID(p->events(), iid)) {
            p->AddRef();
            *point = p;
            return S_OK;
        }
    }
    *point = nullptr;
    return CONNECT_E_NOCONNECTION;
}

}  // namespace vexo::fake
