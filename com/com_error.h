#pragma once

#include <windows.h>

#include <string>

#include "error.h"

namespace vexo::com {

// A failed COM or Win32 call, carrying its HRESULT and a German message.
class ComError : public Error {
public:
    ComError(HRESULT code, const std::string& what);
    HRESULT code() const { return code_; }

private:
    HRESULT code_;
};

// Check-and-throw helpers; `what` names the call in the message.
void ThrowIfFailed(HRESULT hr, const char* what);
void ThrowIfWin32Error(LSTATUS status, const char* what);  // registry calls return these

// Sets the calling thread's error object as automation clients read it: the interface
// IVexoClass, the source "Vexo.VexoClass" and `description`.
void SetComErrorInfo(const std::wstring& description) noexcept;

// The HRESULT for the exception in flight, with the error object set: a ComError's own
// negative code, E_OUTOFMEMORY, else E_UNEXPECTED. Call only from a catch handler.
HRESULT ReportCurrentException() noexcept;

// Runs `body` (which returns an HRESULT) and turns anything it throws into a reported
// HRESULT. Every COM entry point runs its work through this, so no exception leaves it.
template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return ReportCurrentException();
    }
}

}  // namespace vexo::com
