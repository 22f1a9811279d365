#include "api/exclusive.hpp"

#include "api/frame_state.hpp"
#include "platform/sleep.hpp"
#include "registry/registry.hpp"

namespace dvc::api {

void BeginExclusive() {
    auto& state = FrameState::Instance();
    state.exclusiveRequests.Increment();
    state.global.Enter();
    // Polls rather than waits on an event: calls in flight are short, and
    // no call can start while the global lock is held.
    while (state.ReportsInFlight() != 0 || state.readers.Read() != 0) platform::Sleep(0);
}

void EndExclusive() {
    auto& state = FrameState::Instance();
    // The limit follows the number of monitors the section left behind.
    state.ResetReportsInFlight(registry::Registry::Instance().DiscoveredCount());
    state.exclusiveRequests.Decrement();
    state.global.Leave();
}

}  // namespace dvc::api
