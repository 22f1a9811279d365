// What the transports' caches and the identification read ahead save, each
// number beside its floor (the fewest transactions the library's own calls
// allow) and with the caches off (DVC_LINK_CACHE=off, the wire as the
// library asks it) for comparison: steady calls on each path, a 1 KiB
// tagged read in each block mode, discovery of 1 to 64 monitors, and
// `dvctl get` end to end. Link time is counted by the simulator's timing
// model; discovery and dvctl sleep it, so their wall time counts too.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dvcsim/dvcsim.hpp>
#include <functional>
#include <string>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/tagged_transfer.hpp"
#include "registry/registry.hpp"
#include "registry/varn_monitor.hpp"
#include "support/registry_seam.hpp"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kModel = "BENCHMON";
// 0xFF010113: a value; 0xFF01006D: a two-byte block; 0x88: brightness.
constexpr const char* kWorld = R"({
  "profiles": {"bench": {"model": "BENCHMON", "features": {
    "0xFF010113": {"max": 10, "value": 3},
    "0xFF01006D": {"kind": "data", "length": 2},
    "0x88": {"max": 100, "value": 50}}}},
  "monitors": [
    {"serial": "BENCHDDC", "profile": "bench", "links": {"ddcci": true}},
    {"serial": "BENCHHID", "profile": "bench", "links": {"hid": true}}]})";

void Caches(bool on) {
    if (on) unsetenv("DVC_LINK_CACHE");
    else setenv("DVC_LINK_CACHE", "off", 1);
}

// Counted, not slept: ms of link per DDC/CI read, write; HID transfer.
dvc::sim::Timing Counted() {
    dvc::sim::Timing t;
    t.enabled = false;
    t.ddcci_reply = 40ms;
    t.ddcci_post_write = 50ms;
    t.hid_reply = 1ms;
    return t;
}

struct Cost {
    double transactions = 0;
    double link_ms = 0;
};
Cost Counted(double calls) {
    const auto d = dvc::sim::Counters(dvc::sim::Link::DDCCI);
    const auto h = dvc::sim::Counters(dvc::sim::Link::HID);
    return {static_cast<double>(d.calls + h.calls) / calls,
            std::chrono::duration<double, std::milli>(d.link_time + h.link_time).count() / calls};
}

void Report(benchmark::State& state, Cost cost, Cost floor) {
    state.counters["transactions"] = cost.transactions;
    state.counters["link_ms"] = cost.link_ms;
    state.counters["floor_transactions"] = floor.transactions;
    state.counters["floor_ms"] = floor.link_ms;
}

// ---- steady calls: Get, Set, Supported, block read, ratio read ---------------

struct Steady {
    const char* what;
    std::function<int(const char*)> call;
    Cost ddc;  // floors
    Cost hid;
};
const Steady kSteady[] = {
    {"Get",
     [](const char* s) {
         int v = 0;
         return static_cast<int>(DvCtrlGetLuminanceWarning(s, kModel, &v));
     },
     {1, 40},
     {1, 1}},
    {"Set", [](const char* s) { return static_cast<int>(DvCtrlSetLuminanceWarning(s, kModel, 4)); }, {1, 50}, {1, 1}},
    {"Supported",
     [](const char* s) { return DvCtrlSupportedLuminanceWarning(s, kModel) != 0 ? 0 : -1; },
     {0, 0},
     {0, 0}},
    {"BlockRead",
     [](const char* s) {
         int v = 0;
         return static_cast<int>(DvCtrlGet2ndPowerOffTime(s, kModel, &v));
     },
     {1, 40},
     {1, 1}},
    {"RatioRead",
     [](const char* s) {
         double v = 0;
         return static_cast<int>(DvCtrlGetBrightnessForPercentage(s, kModel, &v));
     },
     {1, 40},
     {1, 1}},
};

// Args: which call, path (0 DDC/CI, 1 HID), caches on.
void BM_Steady(benchmark::State& state) {
    const Steady& s = kSteady[state.range(0)];
    const bool hid = state.range(1) != 0;
    Caches(state.range(2) != 0);
    dvc::test::ResetLibrary();
    dvc::sim::ActivateWorldJson(kWorld, "bench world");
    dvc::sim::SetTiming(Counted());
    dvc::sim::SetLogCapacity(0);
    if (DvCtrlFind(nullptr, 0) != 2) return state.SkipWithError("the virtual monitors could not be set up");
    const char* serial = hid ? "BENCHHID" : "BENCHDDC";
    s.call(serial);  // the first call learns what stays
    dvc::sim::ResetCounters();
    for (auto _ : state)
        if (s.call(serial) < 0) return state.SkipWithError("the call failed");
    Report(state, Counted(static_cast<double>(state.iterations())), hid ? s.hid : s.ddc);
    state.SetLabel(std::string(s.what) + (hid ? " HID" : " DDC/CI") + (state.range(2) ? "" : ", caches off"));
    DvCtrlRelease();
    dvc::sim::DeactivateWorld();
    Caches(true);
}
BENCHMARK(BM_Steady)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}, {0, 1}})->Iterations(20)->Unit(benchmark::kMicrosecond);

// ---- a tagged item of 1 KiB in each block mode --------------------------------

struct TagCase {
    const char* serial;
    const char* model;
    const char* tag;
    std::size_t path;  // 0: the first path (HID), 1: DDC/CI
    Cost floor;        // a header write and a data read per block
    const char* label;
};
const TagCase kTags[] = {
    {"21409001", "CX2740", "BAK328", 1, {16, 8 * 90}, "CX2740 DDC/CI, 128-byte blocks"},
    {"21409001", "CX2740", "BAK328", 0, {16, 16}, "CX2740 HID, 128-byte blocks"},
    {"22050012", "MX2420", "AIC652", 0, {4, 4}, "MX2420 HID, 512-byte blocks"},
    {"23100077", "CG3180", "AIC652", 0, {4, 4}, "CG3180 HID, combined blocks"},
    {"23100077", "CG3180", "AIC652", 1, {4, 2 * 90}, "CG3180 DDC/CI, combined blocks"},
};

void BM_ReadTag(benchmark::State& state) {
    const TagCase& c = kTags[state.range(0)];
    Caches(state.range(1) != 0);
    dvc::test::ResetLibrary();
    dvc::sim::ActivateWorld("default");
    dvc::sim::SetLogCapacity(0);
    DvCtrlFind(nullptr, 0);
    dvc::sim::SetTiming(Counted());
    VarnMonitor* monitor = dvc::registry::Registry::Instance().Find(c.serial, c.model);
    if (monitor == nullptr || monitor->Paths().size() <= c.path) return state.SkipWithError("no such path");
    VarnMonitorInterface* path = monitor->Paths()[c.path];
    std::vector<uint8_t> buffer(1024);
    dvc::paths::ReadTag(*path, c.tag, 0, buffer.data(), 1024);  // the first read learns the block mode
    dvc::sim::ResetCounters();
    for (auto _ : state) benchmark::DoNotOptimize(dvc::paths::ReadTag(*path, c.tag, 0, buffer.data(), 1024));
    Report(state, Counted(static_cast<double>(state.iterations())), c.floor);
    state.SetLabel(std::string(c.label) + (state.range(1) ? "" : ", caches off"));
    DvCtrlRelease();
    dvc::sim::DeactivateWorld();
    Caches(true);
}
BENCHMARK(BM_ReadTag)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Iterations(5)->Unit(benchmark::kMillisecond);

// ---- discovery of n monitors on their own buses, slept -------------------------

// n office monitors (DDC/CI only, identified by their identification block
// alone), or n CX2740 reached over DDC/CI only (property tags and preset
// modes read too).
std::string Desk(int64_t n, const char* profile) {
    std::string world = R"({"timing": {"enabled": true}, "monitors": [)";
    for (int64_t i = 0; i < n; ++i)
        world += std::string(i ? "," : "") + R"({"serial": ")" + std::to_string(30000000 + i) + R"(", "profile": ")" +
                 profile + R"(", "links": {"ddcci": true}})";
    return world + "]}";
}

// Args: monitors, profile (0 OF2210, 1 CX2740), caches on. Floor: one
// monitor's identification, since every monitor has a bus of its own.
void BM_Discovery(benchmark::State& state) {
    const bool tags = state.range(1) != 0;
    Caches(state.range(2) != 0);
    dvc::test::ResetLibrary();
    if (!dvc::sim::ActivateWorldJson(Desk(state.range(0), tags ? "CX2740" : "OF2210")).ok)
        return state.SkipWithError("the desk could not be set up");
    dvc::sim::SetLogCapacity(0);
    dvc::sim::ResetCounters();
    for (auto _ : state)
        if (DvCtrlFind(nullptr, 0) != state.range(0)) return state.SkipWithError("not every monitor was found");
    Report(state, Counted(static_cast<double>(state.iterations())), tags ? Cost{8, 280} : Cost{2, 80});
    state.SetLabel(std::string(tags ? "CX2740" : "OF2210") + (state.range(2) ? "" : ", caches off"));
    DvCtrlRelease();
    dvc::sim::DeactivateWorld();
    Caches(true);
}
BENCHMARK(BM_Discovery)
    ->ArgsProduct({{1, 4, 16, 64}, {0, 1}, {1}})
    ->ArgsProduct({{1, 16}, {0, 1}, {0}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// ---- dvctl get on the single world, a whole process, slept ----------------------

#ifdef DVCTL_PATH
// Args: 0 caches off, 1 on, 2 on and kept across runs (warmed by one run).
void BM_DvctlGet(benchmark::State& state) {
    const char* setting[] = {"DVC_LINK_CACHE=off ", "", "DVCTL_DISCOVERY_CACHE=1 XDG_CACHE_HOME=/tmp/dvc-bench-cache "};
    const std::string command = std::string(setting[state.range(0)]) +
                                "DVC_SIM_TIMING=1 " DVCTL_PATH " --sim=single get CX2740 osd-language >/dev/null";
    if (std::system(command.c_str()) != 0) return state.SkipWithError("dvctl failed");
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) return state.SkipWithError("dvctl failed");
    // Floor: the identification block over DDC/CI (80 ms; a check of it,
    // 40 ms, with the cache across runs), the monitor's identification over
    // HID, its first path (7 ms), and the Get (1 ms); the wall time adds the
    // process's start and the world's loading.
    state.counters["floor_ms"] = state.range(0) == 2 ? 48 : 88;
    const char* label[] = {"caches off", "caches on", "kept across runs"};
    state.SetLabel(label[state.range(0)]);
}
BENCHMARK(BM_DvctlGet)->DenseRange(0, 2)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
