// Link caches and read-ahead beside each floor, and with the caches off (last argument 0).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <dvcsim/dvcsim.hpp>
#include <fstream>
#include <string>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/tagged_transfer.hpp"
#include "registry/registry.hpp"
#include "registry/varn_monitor.hpp"
#include "support/registry_seam.hpp"

namespace {

using namespace std::chrono_literals;
// 0xFF010113: a value; 0xFF01006D: a two-byte block.
constexpr const char* kWorld = R"({"profiles": {"b": {"model": "BENCHMON", "features": {
    "0xFF010113": {"max": 10, "value": 3}, "0xFF01006D": {"kind": "data", "length": 2}}}}, "monitors": [
    {"serial": "BENCHDDC", "profile": "b", "links": {"ddcci": true}}, {"serial": "BENCHHID", "profile": "b", "links": {"hid": true}}]})";

bool Start(bool caches, const std::string& world, bool timed = false) {
    caches ? unsetenv("DVC_LINK_CACHE") : setenv("DVC_LINK_CACHE", "off", 1);
    dvc::test::ResetLibrary();
    if (!(world[0] == '{' ? dvc::sim::ActivateWorldJson(world) : dvc::sim::ActivateWorld(world)).ok) return false;
    dvc::sim::SetLogCapacity(0);
    dvc::sim::SetTiming({timed, 40ms, 50ms, 1ms});
    const bool found = DvCtrlFind(nullptr, 0) > 0;
    dvc::sim::ResetCounters();
    return found;
}

void Report(benchmark::State& state, double floorCalls, double floorMs, const std::string& label) {
    const auto d = dvc::sim::Counters(dvc::sim::Link::DDCCI), h = dvc::sim::Counters(dvc::sim::Link::HID);
    const auto n = static_cast<double>(state.iterations());
    state.counters["transactions"] = static_cast<double>(d.calls + h.calls) / n;
    state.counters["link_ms"] = static_cast<double>((d.link_time + h.link_time).count()) / 1e6 / n;
    state.counters["floor_transactions"] = floorCalls;
    state.counters["floor_ms"] = floorMs;
    state.SetLabel(label + (std::getenv("DVC_LINK_CACHE") == nullptr ? "" : ", caches off"));
    DvCtrlRelease();
    dvc::sim::DeactivateWorld();
    unsetenv("DVC_LINK_CACHE");
}

// Args: Get, Set, Supported or block read; DDC/CI or HID; caches.
void BM_Steady(benchmark::State& state) {
    const int64_t which = state.range(0), hid = state.range(1);
    const char* serial = hid ? "BENCHHID" : "BENCHDDC";
    const auto call = [&] {
        int v = 0;
        if (which == 0) return DvCtrlGetLuminanceWarning(serial, "BENCHMON", &v) == DvOk;
        if (which == 1) return DvCtrlSetLuminanceWarning(serial, "BENCHMON", 4) == DvOk;
        if (which == 2) return DvCtrlSupportedLuminanceWarning(serial, "BENCHMON") != 0;
        return DvCtrlGet2ndPowerOffTime(serial, "BENCHMON", &v) == DvOk;
    };
    if (!Start(state.range(2) != 0, kWorld) || !call()) return state.SkipWithError("no monitor");
    dvc::sim::ResetCounters();
    for (auto _ : state) benchmark::DoNotOptimize(call());
    const char* names[] = {"Get", "Set", "Supported", "block read"};
    Report(state, which == 2 ? 0 : 1,
           which == 2   ? 0
           : hid        ? 1
           : which == 1 ? 50
                        : 40,
           std::string(names[which]) + (hid ? " HID" : " DDC/CI"));
}
BENCHMARK(BM_Steady)->ArgsProduct({{0, 1, 2, 3}, {0, 1}, {0, 1}})->Iterations(20);

// Args: case, caches. Floor: a header write and a data read per block.
void BM_ReadTag(benchmark::State& state) {
    struct Case {
        const char *serial, *model, *tag, *label;
        std::size_t path;
        double floorCalls, floorMs;
    } const cases[] = {{"21409001", "CX2740", "BAK328", "CX2740 DDC/CI 128-byte blocks", 1, 16, 720},
                       {"21409001", "CX2740", "BAK328", "CX2740 HID 128-byte blocks", 0, 16, 16},
                       {"23100077", "CG3180", "AIC652", "CG3180 DDC/CI combined blocks", 1, 4, 180}};
    const Case& c = cases[state.range(0)];
    if (!Start(state.range(1) != 0, "default")) return state.SkipWithError("no monitor");
    VarnMonitorInterface* path = dvc::registry::Registry::Instance().Find(c.serial, c.model)->Paths().at(c.path);
    std::vector<uint8_t> buffer(1024);
    dvc::paths::ReadTag(*path, c.tag, 0, buffer.data(), 1024);
    dvc::sim::ResetCounters();
    for (auto _ : state) benchmark::DoNotOptimize(dvc::paths::ReadTag(*path, c.tag, 0, buffer.data(), 1024));
    Report(state, c.floorCalls, c.floorMs, c.label);
}
BENCHMARK(BM_ReadTag)->ArgsProduct({{0, 1, 2}, {0, 1}})->Iterations(5);

void BM_Discovery(benchmark::State& state) {
    std::string world = R"({"monitors": [)";
    for (int64_t i = 0; i < state.range(0); ++i)
        world += std::string(i ? "," : "") + R"({"serial": ")" + std::to_string(30000000 + i) +
                 R"(", "links": {"ddcci": true}, "profile": ")" + (state.range(1) ? "CX2740" : "OF2210") + "\"}";
    if (!Start(state.range(2) != 0, world + "]}", true)) return state.SkipWithError("no monitor");
    for (auto _ : state) benchmark::DoNotOptimize(DvCtrlFind(nullptr, 0));
    Report(state, state.range(1) ? 8 : 2, state.range(1) ? 280 : 80, state.range(1) ? "CX2740" : "OF2210");
}
BENCHMARK(BM_Discovery)
    ->ArgsProduct({{1, 4, 16, 64}, {0, 1}, {1}})
    ->ArgsProduct({{1, 16}, {0, 1}, {0}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

#ifdef DVCTL_PATH
// dvctl with the timing model on and a state file of the benchmark's own.
void RunDvctl(benchmark::State& state, const std::string& settings, const std::string& world,
              const std::string& words) {
    std::system("mkdir -p /tmp/dvc-bench");
    const std::string command =
        settings + " DVC_SIM_TIMING=1 DVC_SIM_STATE=/tmp/dvc-bench/state.json " DVCTL_PATH " --sim=" + world + " " +
        words + " >/dev/null";
    int status = std::system(command.c_str());  // warms the caches
    for (auto _ : state) benchmark::DoNotOptimize(status += std::system(command.c_str()));
    if (status != 0) state.SkipWithError("dvctl failed");
}

// Args: caches off, on, kept across runs. Floor: DDC/CI identification (80; check 40), HID (7), Get (1).
void BM_DvctlGet(benchmark::State& state) {
    const char* setting[] = {"DVC_LINK_CACHE=off", "", "DVCTL_DISCOVERY_CACHE=1 XDG_CACHE_HOME=/tmp/dvc-bench"};
    RunDvctl(state, setting[state.range(0)], "single", "get CX2740 osd-language");
    state.counters["floor_ms"] = state.range(0) == 2 ? 48 : 88;
}
BENCHMARK(BM_DvctlGet)->DenseRange(0, 2)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

// One of many CX2740s by index (all are described) or serial number (it alone is); caches kept
// across runs. Args: monitors, by serial number, DDC/CI only. Floor: check (40), its HID reads (7)
// and Get (1); over DDC/CI alone its model blocks (200) and Get (40).
void BM_DvctlGetAmong(benchmark::State& state) {
    const int64_t n = state.range(0);
    const bool ddc = state.range(2) != 0;
    const std::string world = "/tmp/dvc-bench/among-" + std::to_string(n) + (ddc ? "-ddc" : "") + ".json";
    std::string text = R"({"monitors": [)";
    for (int64_t i = 0; i < n; ++i)
        text += std::string(i ? "," : "") + R"({"serial": ")" + std::to_string(30000000 + i) +
                R"(", "links": {"ddcci": true, "hid": )" + (ddc ? "false" : "true") + R"(}, "profile": "CX2740"})";
    std::system("mkdir -p /tmp/dvc-bench");
    std::ofstream(world) << text << "]}";
    const std::string name = state.range(1) ? std::to_string(30000000 + n - 1) : std::to_string(n - 1);
    RunDvctl(state, "DVCTL_DISCOVERY_CACHE=1 XDG_CACHE_HOME=/tmp/dvc-bench", world, "get " + name + " osd-language");
    state.counters["floor_ms"] = ddc ? 280 : 48;
    state.SetLabel(std::string(state.range(1) ? "by serial number" : "by index") + (ddc ? ", DDC/CI only" : ""));
}
BENCHMARK(BM_DvctlGetAmong)
    ->ArgsProduct({{16, 64}, {0, 1}, {0, 1}})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
