#include "data_lock.h"

#include "error.h"
#include "settings.h"

namespace vexo {
namespace {

// Per thread, so that each thread competes for the lock as another process would.
thread_local int depth = 0;
thread_local files::ExclusiveLock held;

}  // namespace

DataLock::DataLock() {
    if (depth > 0) {
        ++depth;
        return;
    }
    std::string path = GetDataFolder() + "vexo.lock";
    switch (held.Acquire(path, kTimeoutMs)) {
        case files::ExclusiveLock::Result::Acquired: depth = 1; return;
        case files::ExclusiveLock::Result::TimedOut:
            throw Error("Die Vexo-Daten sind von einem anderen Programm gesperrt (" + path +
                        "). Bitte versuchen Sie es in einigen Sekunden erneut.");
        case files::ExclusiveLock::Result::Failed: break;
    }
    // No lock file means no folder to write into: report it as the write it guards.
    throw SettingsWriteError(SettingsPath());
}

DataLock::~DataLock() {
    if (--depth == 0) held.Release();
}

}  // namespace vexo
