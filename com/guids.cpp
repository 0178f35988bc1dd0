// The GUIDs of the type library, defined once for the whole DLL.
#include <windows.h>

#include <initguid.h>

#include "vexo_tlb.h"
