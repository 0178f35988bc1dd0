#include "event_sink.h"

#include <memory>

#include "com_object.h"
#include "dispatch.h"

namespace vexo::office {
namespace {

// Answers IUnknown, IDispatch and the event interface; events arrive through Invoke.
class EventSink final : public ComObject<WithoutTypeInfo<IDispatch>> {
public:
    EventSink(REFIID events, EventHandler handler)
        : events_(events), handler_(std::move(handler)) {}

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        // The handler reports its own failures; nothing may unwind into the host.
        try {
            handler_(id, params);
        } catch (...) {
        }
        return S_OK;
    }

private:
    bool Answers(REFIID iid) const override {
        return IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, events_);
    }

    IID events_;
    EventHandler handler_;
};

}  // namespace

EventConnection::EventConnection(IUnknown* source, REFIID events, EventHandler handler) {
    auto container =
        ComPtr<IUnknown>(source).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container) throw ComError("Office bietet keine Ereignisse an.", E_NOINTERFACE);
    Check(container->FindConnectionPoint(events, point_.Put()), "FindConnectionPoint");
    sink_ = ComPtr<IDispatch>::Attach(new EventSink(events, std::move(handler)));
    Check(point_->Advise(sink_.Get(), &cookie_), "Advise");
}

EventConnection::~EventConnection() {
    if (point_ && cookie_) point_->Unadvise(cookie_);
}

std::unique_ptr<EventConnection> ConnectFirst(IUnknown* source, std::initializer_list<IID> events,
                                              const EventHandler& handler) {
    auto container =
        ComPtr<IUnknown>(source).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container) return nullptr;
    for (const IID& iid : events) {
        ComPtr<IConnectionPoint> point;
        if (SUCCEEDED(container->FindConnectionPoint(iid, point.Put())) && point)
            return std::make_unique<EventConnection>(source, iid, handler);
    }
    return nullptr;
}

}  // namespace vexo::office
