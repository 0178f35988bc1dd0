#pragma once

// A sink for one event interface of one source, advised for its lifetime.
#include <ocidl.h>

#include <functional>
#include <initializer_list>
#include <memory>

#include "com_types.h"

namespace vexo::office {

// Called with the event's DISPID and its arguments (last argument first, as Invoke gets them).
using EventHandler = std::function<void(DISPID event, DISPPARAMS* args)>;

class EventConnection {
public:
    // Advises a sink for `events` on `source`'s connection point; throws ComError on failure.
    EventConnection(IUnknown* source, REFIID events, EventHandler handler);
    ~EventConnection();  // unadvises
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;

private:
    ComPtr<IConnectionPoint> point_;
    ComPtr<IDispatch> sink_;
    DWORD cookie_ = 0;
};

// Advises on the first of `events` that `source` offers; nullptr when it offers none.
std::unique_ptr<EventConnection> ConnectFirst(IUnknown* source, std::initializer_list<IID> events,
                                              const EventHandler& handler);

}  // namespace vexo::office
