// The discovery map, which owns the logical monitors, and the registry, the
// copy of it that calls look monitors up in.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

#include "registry/monitor_key.hpp"
#include "registry/varn_monitor.hpp"

namespace dvc::registry {

class Registry {
public:
    using Owned = std::map<MonitorKey, std::unique_ptr<VarnMonitor>, MonitorKeyLess>;
    using View = std::map<MonitorKey, VarnMonitor*, MonitorKeyLess>;

    static Registry& Instance();

    // Registry side, read by calls.
    VarnMonitor* Find(std::string_view serial, std::string_view model) const;
    std::size_t Size() const { return registry_.size(); }
    const View& Entries() const { return registry_; }
    void ClearRegistry() { registry_.clear(); }
    // Replaces the registry by a copy of the discovery map.
    void Publish();

    // Discovery side.
    std::size_t DiscoveredCount() const { return discovered_.size(); }
    VarnMonitor* FindDiscovered(std::string_view serial, std::string_view model) const;
    // The monitor with this pair, created with `kind` when it is new.
    VarnMonitor& Merge(std::string_view serial, std::string_view model, int kind);
    // Destroys one monitor of the discovery map; false when absent.
    bool Destroy(std::string_view serial, std::string_view model);
    // Destroys every monitor of the discovery map.
    void DestroyAll() { discovered_.clear(); }
    // Empties the discovery map and hands its monitors to the caller, who
    // destroys them once nothing can reach them any more.
    Owned TakeAll() { return std::exchange(discovered_, Owned{}); }

private:
    Owned discovered_;
    View registry_;
};

}  // namespace dvc::registry
