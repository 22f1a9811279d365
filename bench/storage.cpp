// A key/value set on each path: the store's description and its blocks read,
// then its description and its blocks written. The floor is that sequence
// with no support query and no retry: 1024 bytes move in 128-byte blocks over
// DDC/CI (a header, then each block) and in two combined 512-byte blocks over
// HID.
#include <benchmark/benchmark.h>

#include <chrono>
#include <dvcsim/dvcsim.hpp>

#include "libdvc/libdvc.h"
#include "support/registry_seam.hpp"

namespace {

using namespace std::chrono_literals;
constexpr const char* kWorld = R"({"profiles": {"b": {"model": "BENCHMON", "features": {
    "0xFF0200C2": {"kind": "tagged", "codes": ["0xFF0200FD", "0xFF0200FE"], "ddcci": {"codes": ["0xFF0200C4"]},
                   "tags": {"BAK328": {"size": 1024, "key_values": {"owner": {"text": "Desk 12"}}}}}}}},
    "monitors": [{"serial": "BENCHDDC", "profile": "b", "links": {"ddcci": true}},
                 {"serial": "BENCHHID", "profile": "b", "links": {"hid": true}}]})";

struct Floor {
    double transactions;
    double ms;
};
// DDC/CI: description 2, read 8 x (header + block), description 2, header 1,
// 8 blocks written; reads wait 40 ms, writes 50 ms. HID: description 2,
// 2 x (request + reply), description 2, 2 blocks written; 1 ms each.
constexpr Floor kDdcFloor{2 + 16 + 2 + 1 + 8, (50 + 40) + 8 * (50 + 40) + (50 + 40) + 50 + 8 * 50};
constexpr Floor kHidFloor{2 + 4 + 2 + 2, 10};

void BM_KeyValueSet(benchmark::State& state) {
    const bool hid = state.range(0) != 0;
    const char* serial = hid ? "BENCHHID" : "BENCHDDC";
    dvc::test::ResetLibrary();
    if (!dvc::sim::ActivateWorldJson(kWorld).ok) return state.SkipWithError("no world");
    dvc::sim::SetLogCapacity(0);
    dvc::sim::SetTiming({false, 40ms, 50ms, 1ms});
    if (DvCtrlFind(nullptr, 0) <= 0) return state.SkipWithError("no monitor");
    const uint8_t value[] = {'R', 'o', 'o', 'm', ' ', '3'};
    dvc::sim::ResetCounters();
    for (auto _ : state) {
        if (DvCtrlFSSetSDKDataForKey(serial, "BENCHMON", "owner", value, sizeof value) != DvOk)
            return state.SkipWithError("the set failed");
    }
    const auto d = dvc::sim::Counters(dvc::sim::Link::DDCCI), h = dvc::sim::Counters(dvc::sim::Link::HID);
    const auto n = static_cast<double>(state.iterations());
    const Floor floor = hid ? kHidFloor : kDdcFloor;
    state.counters["transactions"] = static_cast<double>(d.calls + h.calls) / n;
    state.counters["link_ms"] = static_cast<double>((d.link_time + h.link_time).count()) / 1e6 / n;
    state.counters["floor_transactions"] = floor.transactions;
    state.counters["floor_ms"] = floor.ms;
    state.SetLabel(hid ? "HID" : "DDC/CI");
    DvCtrlRelease();
    dvc::sim::DeactivateWorld();
}
BENCHMARK(BM_KeyValueSet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
