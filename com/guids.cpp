// The GUIDs of the type library, defined once for the whole DLL.
#include <initguid.h>
#include <windows.h>

#include "vexo_tlb.h"
