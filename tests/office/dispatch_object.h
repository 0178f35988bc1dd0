#pragma once

// A compact automation object for the fake Office hosts: IDispatch served from a table of
// named properties and methods (with named arguments), and connection points that fire events
// to advised sinks as Office does.
#include <ocidl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "com_types.h"

namespace vexo::fake {

using office::ComPtr;
using office::Variant;

// The arguments of one call, first to last; a missing optional one is VT_ERROR.
using Args = std::vector<const VARIANT*>;

// Thrown by members: Invoke answers DISP_E_EXCEPTION with this description, as Office does.
struct HostError {
    std::string description;
};

std::string Text(const VARIANT* v);  // any value as text
long Int(const VARIANT* v);
bool Bool(const VARIANT* v);
bool IsMissing(const VARIANT* v);
ComPtr<IDispatch> Object(const VARIANT* v);
const VARIANT* Arg(const Args& args, size_t index);  // nullptr beyond the end

class ConnectionPoint;

class DispatchObject final : public IDispatch, public IConnectionPointContainer {
public:
    using Getter = std::function<Variant(const Args& index)>;
    using Setter = std::function<void(const Args& index, const VARIANT& value)>;
    using Method = std::function<Variant(const Args& args)>;

    static ComPtr<DispatchObject> New();

    // Members; `id` 0 makes the member the default one (Item), -1 numbers it.
    DispatchObject& Property(const std::wstring& name, Getter get, Setter set = nullptr,
                             DISPID id = -1);
    DispatchObject& Function(const std::wstring& name, Method call,
                             std::vector<std::wstring> params = {}, DISPID id = -1);
    // Any other name becomes a stored property when first asked for (Office's dynamic dialog
    // arguments, and the many settings of command-bar controls).
    DispatchObject& AcceptAnyProperty();
    // A stored property's value (VT_EMPTY when never written) and how often it was written.
    Variant Stored(const std::wstring& name) const;
    int Writes(const std::wstring& name) const;

    // Events: a connection point for `events`, fired with arguments first to last.
    void AddEvents(REFIID events);
    void Fire(REFIID events, DISPID id, std::vector<Variant> args);
    int Sinks(REFIID events) const;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT*) override;
    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

private:
    DispatchObject() = default;
    ~DispatchObject();
    struct Member {
        std::wstring name;
        Getter get;
        Setter set;
        Method call;
        std::vector<std::wstring> params;
        bool stored = false;
        Variant value;
        int writes = 0;
    };
    Member* Find(const std::wstring& name);
    DispatchObject& Add(DISPID id, Member member);

    ULONG refs_ = 1;
    std::map<DISPID, Member> members_;
    DISPID next_id_ = 1;
    bool accept_any_ = false;
    std::vector<ConnectionPoint*> points_;  // owned references
};

}  // namespace vexo::fake
