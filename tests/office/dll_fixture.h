#pragma once

// Vexo.dll beside the running program, registered as regsvr32 does, for the programs that load
// it into fake Office hosts.
#include <windows.h>

namespace vexo::fake {

class VexoDllRegistration {
public:
    VexoDllRegistration();   // loads and registers; throws vexo::Error when it cannot
    ~VexoDllRegistration();  // unregisters
    HRESULT CanUnloadNow() const;

private:
    HMODULE module_;
};

// The registration of the process, made on first use.
VexoDllRegistration& VexoDll();

// Makes the user's data folder and removes vexo.ini and vexolog.csv from it.
void ResetDataFolder();

}  // namespace vexo::fake
