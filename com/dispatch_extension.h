#pragma once

#include <oaidl.h>

namespace vexo::com {

// Members that the add-in object answers through IDispatch beyond its type library.
//
// Office calls ribbon callbacks ("OnRibbonLoad", "GetEnabled", "OnButtonClick", ...) through
// the add-in object's IDispatch by names that no type library declares. TVexoClass resolves a
// name or DISPID from the type library of IVexoClass first and hands only what that does not
// know to the extension installed with TVexoClass::SetDispatchExtension. Without one, unknown
// names give DISP_E_UNKNOWNNAME and unknown DISPIDs DISP_E_MEMBERNOTFOUND, as for any
// automation object.
//
// An extension chooses DISPIDs outside the type library's 201..203 (e.g. from 1000 up), answers
// every call of its own, and may throw: TVexoClass turns exceptions into error HRESULTs.
class DispatchExtension {
public:
    virtual ~DispatchExtension() = default;

    // The DISPID of `name` (compare without regard to case); DISP_E_UNKNOWNNAME if not known.
    virtual HRESULT GetIdOfName(const wchar_t* name, DISPID* id) = 0;

    // Runs member `id` as IDispatch::Invoke would; DISP_E_MEMBERNOTFOUND if not known.
    virtual HRESULT Invoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* exception, UINT* arg_error) = 0;
};

}  // namespace vexo::com
