// What a tagged item costs on each built-in model's links: the library's
// ReadTag of 1024 bytes in 128-byte blocks (CX2740), 512-byte blocks
// (MX2420) and combined blocks (CG3180). The link timing model counts the
// delays without sleeping them; reported per read: transactions sent and
// modelled link time.
#include <benchmark/benchmark.h>

#include <dvcsim/dvcsim.hpp>

#include <string>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/tagged_transfer.hpp"
#include "registry/registry.hpp"
#include "registry/varn_monitor.hpp"
#include "support/registry_seam.hpp"

namespace {

using namespace std::chrono_literals;

struct Case {
    const char* serial;
    const char* model;
    const char* tag;
};
// By argument: 0 CX2740, 1 MX2420, 2 CG3180; the path by the second
// argument (0: the first path found, HID; 1: DDC/CI, which the MX2420
// offers only on communication type 1, outside a default discovery).
constexpr Case kCases[] = {
    {"21409001", "CX2740", "BAK328"}, {"22050012", "MX2420", "AIC652"}, {"23100077", "CG3180", "AIC652"}};

void BM_ReadTag(benchmark::State& state) {
    dvc::test::ResetLibrary();
    dvc::sim::ActivateWorld("default");
    dvc::sim::SetLogCapacity(0);
    DvCtrlFind(nullptr, 0);
    dvc::sim::Timing timing;  // counted, not slept
    timing.enabled = false;
    timing.ddcci_reply = 40ms;
    timing.ddcci_post_write = 50ms;
    timing.hid_reply = 1ms;
    dvc::sim::SetTiming(timing);
    const Case& c = kCases[state.range(0)];
    VarnMonitor* monitor = dvc::registry::Registry::Instance().Find(c.serial, c.model);
    if (monitor == nullptr || monitor->Paths().size() <= static_cast<std::size_t>(state.range(1))) {
        state.SkipWithError("no such path");
        return;
    }
    VarnMonitorInterface* path = monitor->Paths()[static_cast<std::size_t>(state.range(1))];
    const dvc::sim::Link link = state.range(1) == 0 ? dvc::sim::Link::HID : dvc::sim::Link::DDCCI;
    std::vector<uint8_t> buffer(1024);
    dvc::sim::ResetCounters();
    for (auto _ : state) benchmark::DoNotOptimize(dvc::paths::ReadTag(*path, c.tag, 0, buffer.data(), 1024));
    const auto counters = dvc::sim::Counters(link);
    const auto reads = static_cast<double>(state.iterations());
    state.counters["calls_per_read"] = static_cast<double>(counters.calls) / reads;
    state.counters["link_ms_per_read"] = static_cast<double>(counters.link_time.count()) / 1e6 / reads;
    state.SetLabel(std::string(c.model) + (link == dvc::sim::Link::HID ? " HID" : " DDC/CI"));
    DvCtrlRelease();
    dvc::sim::DeactivateWorld();
}

BENCHMARK(BM_ReadTag)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
