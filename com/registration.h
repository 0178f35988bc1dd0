#pragma once

#include <windows.h>

#include "running_hosts.h"

namespace vexo::com {

// For all users (HKEY_LOCAL_MACHINE, regsvr32 Vexo.dll) or for the current user only
// (HKEY_CURRENT_USER, regsvr32 /n /i:user Vexo.dll).
enum class Scope { Machine, User };

// Writes the type library, the class, its ProgID and the Office add-in keys of Excel, Word and
// InfoPath for this DLL, after asking to close running hosts.
HRESULT RegisterServer(Scope scope, HostPrompt& prompt = MessageBoxHostPrompt()) noexcept;

// Removes what RegisterServer wrote. The class key is per bitness (the 32-bit one lives in the
// WOW6432Node view); the ProgID, the type library and the interface keys, and the per-user
// add-in keys, are shared with a registration of the other bitness and stay while that one
// still has its class registered.
HRESULT UnregisterServer(Scope scope, HostPrompt& prompt = MessageBoxHostPrompt()) noexcept;

}  // namespace vexo::com
