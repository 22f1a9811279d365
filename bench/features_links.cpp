// What table exports cost on the wire: a value get, a value set, a block
// read and a first-success read that falls through to the second path,
// each against a virtual monitor with the link timing model on. Reported
// per call: transactions sent and simulated link time.
#include <benchmark/benchmark.h>

#include <dvcsim/dvcsim.hpp>

#include <string>

#include "libdvc/libdvc.h"
#include "support/registry_seam.hpp"

namespace {

constexpr const char* kDdc = "BENCHDDC";
constexpr const char* kHid = "BENCHHID";
constexpr const char* kBoth = "BENCH2LK";
constexpr const char* kModel = "BENCHMON";

// 0xFF010113: a value; 0xFF01006D: a two-byte block; 0x9D: the power-save
// state, which only the DDC/CI path carries.
constexpr const char* kWorld = R"({
  "profiles": {"bench": {"model": "BENCHMON", "features": {
    "0xFF010113": {"max": 10, "value": 3},
    "0xFF01006D": {"kind": "data", "length": 2},
    "0x9D": {"max": 1, "value": 0}}}},
  "monitors": [
    {"serial": "BENCHDDC", "profile": "bench", "links": {"ddcci": true}},
    {"serial": "BENCHHID", "profile": "bench", "links": {"hid": true}},
    {"serial": "BENCH2LK", "profile": "bench", "links": {"hid": true, "ddcci": true}}]})";

bool Start() {
    static const bool ready = [] {
        dvc::test::ResetLibrary();
        if (!dvc::sim::ActivateWorldJson(kWorld, "bench world")) return false;
        dvc::sim::Timing timing;
        timing.enabled = true;
        dvc::sim::SetTiming(timing);
        dvc::sim::SetLogCapacity(0);
        return DvCtrlFind(nullptr, 0) == 3;
    }();
    return ready;
}

// Runs `call` and reports the transactions and link time it cost.
template <class Call>
void Measure(benchmark::State& state, Call&& call) {
    if (!Start()) {
        state.SkipWithError("the virtual monitors could not be set up");
        return;
    }
    dvc::sim::ResetCounters();
    for (auto _ : state) {
        if (call() < 0) {
            state.SkipWithError("the call failed");
            return;
        }
    }
    const auto ddc = dvc::sim::Counters(dvc::sim::Link::DDCCI);
    const auto hid = dvc::sim::Counters(dvc::sim::Link::HID);
    const double calls = static_cast<double>(state.iterations());
    state.counters["transactions/call"] = static_cast<double>(ddc.calls + hid.calls) / calls;
    state.counters["link_ms/call"] =
        std::chrono::duration<double, std::milli>(ddc.link_time + hid.link_time).count() / calls;
}

const char* Serial(int64_t which) { return which == 0 ? kDdc : kHid; }

void BM_ValueGet(benchmark::State& state) {
    const char* serial = Serial(state.range(0));
    int value = 0;
    Measure(state, [&] { return DvCtrlGetLuminanceWarning(serial, kModel, &value); });
}
BENCHMARK(BM_ValueGet)->Arg(0)->Arg(1)->ArgName("hid")->Unit(benchmark::kMillisecond);

void BM_ValueSet(benchmark::State& state) {
    const char* serial = Serial(state.range(0));
    Measure(state, [&] { return DvCtrlSetLuminanceWarning(serial, kModel, 4); });
}
BENCHMARK(BM_ValueSet)->Arg(0)->Arg(1)->ArgName("hid")->Unit(benchmark::kMillisecond);

// A block whose length the monitor reports first: two transactions.
void BM_BlockGet(benchmark::State& state) {
    const char* serial = Serial(state.range(0));
    int value = 0;
    Measure(state, [&] { return DvCtrlGet2ndPowerOffTime(serial, kModel, &value); });
}
BENCHMARK(BM_BlockGet)->Arg(0)->Arg(1)->ArgName("hid")->Unit(benchmark::kMillisecond);

// The HID path answers "not carried" without a transaction; the DDC/CI
// path then reads.
void BM_SecondPathRead(benchmark::State& state) {
    int value = 0;
    Measure(state, [&] { return DvCtrlGetPowerSaveState(kBoth, kModel, &value); });
}
BENCHMARK(BM_SecondPathRead)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
