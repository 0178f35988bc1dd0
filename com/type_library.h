#pragma once

#include <oaidl.h>

namespace vexo::com {

// The type library embedded in this DLL (resource "TYPELIB" 1), loaded without registering.
HRESULT LoadOwnTypeLibrary(ITypeLib** library);

// The type information of IVexoClass, from which IDispatch is served. Loaded once per
// process; the caller gets its own reference.
HRESULT GetVexoClassTypeInfo(ITypeInfo** info);

// Drops the cached type information; for the moment the DLL is about to be unloaded.
void ReleaseTypeInfoCache();

}  // namespace vexo::com
