#include "registry/discovery.hpp"

#include <algorithm>
#include <string>

#include "paths/feature_codes.hpp"
#include "paths/identification_block.hpp"
#include "paths/varn_ddcci_monitor.hpp"
#include "paths/varn_hid_monitor.hpp"
#include "registry/registry.hpp"

namespace dvc::registry {

namespace {
constexpr int kDefaultKinds[] = {DvPathHID, DvPathDDCCIType0};

bool Contains(const std::vector<int>& list, int kind) {
    return std::find(list.begin(), list.end(), kind) != list.end();
}

// Runs one transport's discovery and merges what it found. The lists keep
// the paths of earlier kinds, so only the entries past `before` are new.
template <class List>
void MergeNew(const List& list, std::size_t before, int kind) {
    for (std::size_t i = before; i < list.size(); ++i) MergePath(*list[i], kind);
}

void DiscoverKind(int kind) {
    switch (kind) {
    case DvPathHID: {
        const auto& list = VarnHIDMonitor::Monitors();
        const std::size_t before = list.size();
        VarnHIDMonitor::FindMonitors();
        MergeNew(list, before, kind);
        break;
    }
    case DvPathDDCCIType0:
    case DvPathDDCCIType1: {
        const auto& list = VarnDDCCIMonitor::Monitors();
        const std::size_t before = list.size();
        VarnDDCCIMonitor::FindMonitors(kind == DvPathDDCCIType0 ? 0 : 1);
        MergeNew(list, before, kind);
        break;
    }
    default: break;
    }
}
}  // namespace

std::vector<int> BuildKindList(const int* kinds, int count) {
    if (kinds == nullptr || count <= 0) return {std::begin(kDefaultKinds), std::end(kDefaultKinds)};
    std::vector<int> list;
    for (int i = 0; i < count; ++i) {
        const int kind = kinds[i];
        if (Contains(list, kind)) continue;
        if (kind == DvPathDDCCIType0 && Contains(list, DvPathDDCCIType1)) continue;
        if (kind == DvPathDDCCIType1 && Contains(list, DvPathDDCCIType0)) continue;
        list.push_back(kind);
    }
    return list;
}

VarnMonitor& MergePath(VarnMonitorInterface& path, int kind) {
    std::string serial;
    std::string model;
    path.GetIdentifiers(codes::kIdentification, serial, model);
    VarnMonitor& monitor = Registry::Instance().Merge(serial, model, kind);
    monitor.AddPath(&path);
    return monitor;
}

void ReleaseEverything() {
    auto& registry = Registry::Instance();
    registry.ClearRegistry();
    // Paths can outlive their monitor (the DDC/CI path of a monitor removed
    // by handle stays listed), so the transports are released whenever
    // anything at all is left, and only then: a host's own transport handles
    // stay valid until the library has something to give back.
    if (registry.DiscoveredCount() == 0 && VarnHIDMonitor::Monitors().empty() && VarnDDCCIMonitor::Monitors().empty()) {
        return;
    }
    // Monitors go after the paths they borrow; nothing reaches them once
    // the maps are empty.
    const Registry::Owned monitors = registry.TakeAll();
    VarnHIDMonitor::ReleaseMonitors();
    VarnDDCCIMonitor::ReleaseMonitors();
}

int Discover(std::span<const int> kinds) {
    ReleaseEverything();
    for (const int kind : kinds) DiscoverKind(kind);
    auto& registry = Registry::Instance();
    const int found = static_cast<int>(registry.DiscoveredCount());
    registry.Publish();
    // Results do not matter here: a monitor whose paths cannot deliver its
    // tables is still usable, with its record from the built-in tables.
    for (const auto& [key, monitor] : registry.Entries()) {
        monitor->ReadModelRecord();
        monitor->ReadFlavorTable();
    }
    return found;
}

}  // namespace dvc::registry
