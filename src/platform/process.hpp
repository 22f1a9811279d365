// Process identity and liveness, for the monitor-held mutex that lets
// several processes agree who drives a monitor.
#pragma once

#include <cstdint>

namespace dvc::platform {

uint32_t CurrentProcessId();

// True when a process with this id exists now. Id 0 names no process; a
// failed query counts as "not running", so a stale owner is taken over.
bool IsProcessRunning(uint32_t pid);

}  // namespace dvc::platform
