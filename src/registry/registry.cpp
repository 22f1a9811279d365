#include "registry/registry.hpp"

#include <string>

namespace dvc::registry {

Registry& Registry::Instance() {
    // Never destroyed: a transport thread may still look at it while the
    // process exits.
    static Registry* instance = new Registry;
    return *instance;
}

VarnMonitor* Registry::Find(std::string_view serial, std::string_view model) const {
    const auto it = registry_.find(MonitorKeyView{serial, model});
    return it == registry_.end() ? nullptr : it->second;
}

void Registry::Publish() {
    View copy;
    for (const auto& [key, monitor] : discovered_) copy.emplace_hint(copy.end(), key, monitor.get());
    registry_.swap(copy);
}

VarnMonitor* Registry::FindDiscovered(std::string_view serial, std::string_view model) const {
    const auto it = discovered_.find(MonitorKeyView{serial, model});
    return it == discovered_.end() ? nullptr : it->second.get();
}

VarnMonitor& Registry::Merge(std::string_view serial, std::string_view model, int kind) {
    auto it = discovered_.find(MonitorKeyView{serial, model});
    if (it == discovered_.end()) {
        MonitorKey key{std::string(serial), std::string(model)};
        auto monitor = std::make_unique<VarnMonitor>(key.serial, key.model, kind);
        it = discovered_.emplace(std::move(key), std::move(monitor)).first;
    }
    return *it->second;
}

bool Registry::Destroy(std::string_view serial, std::string_view model) {
    const auto it = discovered_.find(MonitorKeyView{serial, model});
    if (it == discovered_.end()) return false;
    discovered_.erase(it);
    return true;
}

}  // namespace dvc::registry
