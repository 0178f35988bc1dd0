#pragma once

#include "files.h"

namespace vexo {

// Holds the cross-process lock of the data folder ("vexo.lock" beside "vexo.ini") for its
// lifetime. Every writer of the settings file and the log takes it; an issue holds it from
// composing the number until its log line is written, so no two processes hand out the same
// number. Re-entrant on one thread: nested holders share the outer lock.
class DataLock {
public:
    // Waits up to kTimeoutMs; then throws vexo::Error and nothing has changed.
    DataLock();
    ~DataLock();
    DataLock(const DataLock&) = delete;
    DataLock& operator=(const DataLock&) = delete;

    static constexpr int kTimeoutMs = 5000;
};

}  // namespace vexo
