#include "platform/process.hpp"

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <csignal>

namespace dvc::platform {

uint32_t CurrentProcessId() { return static_cast<uint32_t>(::getpid()); }

bool IsProcessRunning(uint32_t pid) {
    // kill(0) and negative ids address process groups, never one process.
    if (pid == 0 || pid > static_cast<uint32_t>(INT_MAX)) return false;
    if (::kill(static_cast<pid_t>(pid), 0) == 0) return true;
    return errno == EPERM;  // exists, but belongs to another user
}

}  // namespace dvc::platform
