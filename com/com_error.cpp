#include "com_error.h"

#include <oleauto.h>

#include <new>

#include "platform/win32.h"
#include "vexo_tlb.h"

namespace vexo::com {
namespace {

std::string Hex(HRESULT hr) {
    char text[16];
    wsprintfA(text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

}  // namespace

ComError::ComError(HRESULT code, const std::string& what)
    : Error(what + " ist fehlgeschlagen (Fehler " + Hex(code) + ")"), code_(code) {}

void ThrowIfFailed(HRESULT hr, const char* what) {
    if (FAILED(hr)) throw ComError(hr, what);
}

void ThrowIfWin32Error(LSTATUS status, const char* what) {
    if (status != ERROR_SUCCESS) throw ComError(HRESULT_FROM_WIN32(status), what);
}

void SetComErrorInfo(const std::wstring& description) noexcept {
    ICreateErrorInfo* create = nullptr;
    if (FAILED(CreateErrorInfo(&create))) return;
    create->SetGUID(IID_IVexoClass);
    create->SetSource(const_cast<LPOLESTR>(L"Vexo.VexoClass"));
    create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    create->SetHelpContext(0);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    }
    create->Release();
}

HRESULT ReportCurrentException() noexcept {
    HRESULT hr = E_UNEXPECTED;
    std::wstring description;
    try {
        try {
            throw;
        } catch (const ComError& e) {
            if (e.code() < 0) hr = e.code();
            description = win32::Wide(e.what());
        } catch (const std::bad_alloc&) {
            hr = E_OUTOFMEMORY;
            description = L"Nicht gen\u00fcgend Arbeitsspeicher";
        } catch (const std::exception& e) {
            description = win32::Wide(e.what());
        } catch (...) {
            description = L"Unerwarteter Fehler in Vexo";
        }
    } catch (...) {
        // Building the description failed (no memory): the code alone must do.
        return hr;
    }
    SetComErrorInfo(description);
    return hr;
}

}  // namespace vexo::com
