// Puts monitors straight into the registry, as discovery would, so that the
// frame can be tested without transports.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "api/frame_state.hpp"
#include "registry/registry.hpp"

namespace dvc::test {

inline void ResetLibrary() {
    auto& registry = registry::Registry::Instance();
    registry.ClearRegistry();
    registry.DestroyAll();
    api::FrameState::Instance().RestoreDefaultMode();
    api::FrameState::Instance().ResetReportsInFlight(0);
}

inline void SeedMonitors(std::initializer_list<std::pair<std::string, std::string>> pairs, int kind = 0) {
    ResetLibrary();
    auto& registry = registry::Registry::Instance();
    for (const auto& [serial, model] : pairs) registry.Merge(serial, model, kind);
    registry.Publish();
    api::FrameState::Instance().ResetReportsInFlight(registry.DiscoveredCount());
}

}  // namespace dvc::test
