// The per-monitor call frame: one template over the operation's signature
// and its result class. Every per-monitor export is a forwarder to it.
#pragma once

#include <functional>
#include <mutex>
#include <utility>

#include "api/reader_share.hpp"
#include "api/result_class.hpp"
#include "registry/registry.hpp"

namespace dvc::api {

// Takes a share of the global lock, finds the monitor by its pair, and runs
// `op(monitor, args...)` under the monitor's own lock. An unknown pair, a
// null string or a busy lock gives the class's missing value. Nothing thrown
// inside crosses this frame: every lock is released on the way out and the
// call fails with the missing value.
template <class Class, class Op, class... Args>
typename Class::Type CallMonitor(const char* id1, const char* id2, Op&& op, Args&&... args) noexcept {
    ReaderShare share;
    if (share.Busy()) return Class::kMissing;
    try {
        RegistryShare registryLock;
        if (id1 == nullptr || id2 == nullptr) return Class::kMissing;
        VarnMonitor* monitor = registry::Registry::Instance().Find(id1, id2);
        if (monitor == nullptr) return Class::kMissing;
        std::lock_guard monitorLock(monitor->MonitorLock());
        return static_cast<typename Class::Type>(
            std::invoke(std::forward<Op>(op), *monitor, std::forward<Args>(args)...));
    } catch (...) {
        return Class::kMissing;
    }
}

}  // namespace dvc::api
