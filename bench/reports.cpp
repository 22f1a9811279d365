// Four virtual monitors each send 1,000 reports/s while four threads call Gets:
// reports delivered/s, those dropped because a call held the global lock at that
// instant (as meant), and latency from send to callback. Runs Arg seconds (1).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <dvcsim/dvcsim.hpp>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "libdvc/libdvc.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMonitors = 4;

struct Stream {
    std::string serial;
    std::vector<Clock::time_point> sent = std::vector<Clock::time_point>(65536);
    std::atomic<uint32_t> count{0};
    std::mutex mutex;
    std::vector<double> latencyUs;
};
std::array<Stream, kMonitors> g_streams;

void OnTonality(const char*, const char*, uint32_t sequence, void* context) {
    auto& s = *static_cast<Stream*>(context);
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - s.sent[sequence]).count();
    std::lock_guard lock(s.mutex);
    s.latencyUs.push_back(us);
}

void BM_ReportsUnderLoad(benchmark::State& state) {
    std::string world = R"({"monitors": [)";
    for (int i = 0; i < kMonitors; ++i) {
        g_streams[i].serial = "3000000" + std::to_string(i);
        world += (i ? "," : "") + std::string(R"({"serial": ")") + g_streams[i].serial +
                 R"(", "profile": "CX2740", "links": {"hid": {}}})";
    }
    if (!dvc::sim::ActivateWorldJson(world + "]}").ok || DvCtrlFind(nullptr, 0) != kMonitors) {
        state.SkipWithError("the world of four monitors did not come up");
        return;
    }
    const auto seconds = std::chrono::seconds(std::clamp<int64_t>(state.range(0), 1, 60));
    uint64_t gets = 0, sent = 0;
    for (auto _ : state) {
        std::atomic<bool> stop{false};
        std::atomic<uint64_t> calls{0};
        std::vector<std::thread> threads;
        for (auto& s : g_streams) {
            DvCtrlRegisterCallbackForTonalityReport(s.serial.c_str(), "CX2740", OnTonality, &s);
            DvCtrlStartReport(s.serial.c_str(), "CX2740");
            threads.emplace_back([&s, &stop] {
                for (auto next = Clock::now(); !stop; next += std::chrono::milliseconds(1)) {
                    std::this_thread::sleep_until(next);
                    const uint32_t n = s.count++ & 0xFFFF;
                    s.sent[n] = Clock::now();
                    dvc::sim::InjectReport(s.serial, 4, {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8)});
                }
            });
            threads.emplace_back([&s, &stop, &calls] {
                int volume = 0;
                while (!stop) {
                    DvCtrlGetAudioVolume(s.serial.c_str(), "CX2740", &volume);
                    ++calls;
                }
            });
        }
        std::this_thread::sleep_for(seconds);
        stop = true;
        for (auto& t : threads) t.join();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the last reports in the queue
        for (auto& s : g_streams) DvCtrlStopReport(s.serial.c_str(), "CX2740");
        gets = calls;
    }
    std::vector<double> all;
    for (auto& s : g_streams) {
        sent += s.count;
        all.insert(all.end(), s.latencyUs.begin(), s.latencyUs.end());
    }
    std::sort(all.begin(), all.end());
    const auto at = [&](double q) { return all.empty() ? 0.0 : all[static_cast<std::size_t>(q * (all.size() - 1))]; };
    const double secs = static_cast<double>(seconds.count());
    state.counters["sent/s"] = static_cast<double>(sent) / secs;
    state.counters["delivered/s"] = static_cast<double>(all.size()) / secs;
    state.counters["dropped_at_gate"] = static_cast<double>(sent - all.size());
    state.counters["gets/s"] = static_cast<double>(gets) / secs;
    state.counters["p50_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    DvCtrlRelease();
    dvc::sim::DeactivateWorld();
}
BENCHMARK(BM_ReportsUnderLoad)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
