// Transport calls against virtual monitors, with the link timing model off
// (what tests pay) and on (what a real monitor would cost). Counters report
// the modelled link time per call.
#include <benchmark/benchmark.h>

#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>
#include <dvcsim/dvcsim.hpp>

namespace {

using namespace std::chrono_literals;

struct Setup {
    explicit Setup(bool timed) {
        dvc::sim::ActivateWorld("single");
        dvc::sim::Timing t;
        t.enabled = timed;
        t.ddcci_reply = 40ms;
        t.ddcci_post_write = 50ms;
        t.hid_reply = 1ms;
        dvc::sim::SetTiming(t);
        dvc::sim::SetLogCapacity(0);
        DvDDCCISetCommunicationType(0);
        DvDDCCIFind();
        DvHIDFind();
        DvHIDRetrieve(0, &handle);
        dvc::sim::ResetCounters();
    }
    ~Setup() {
        DvDDCCIRelease();
        DvHIDRelease();
        dvc::sim::DeactivateWorld();
    }
    void Report(benchmark::State& state, dvc::sim::Link link) const {
        auto c = dvc::sim::Counters(link);
        state.counters["link_ms_per_call"] =
            c.calls ? static_cast<double>(c.link_time.count()) / 1e6 / static_cast<double>(c.calls) : 0.0;
    }
    uint32_t handle = 0;
};

void BM_DdcRead(benchmark::State& state) {
    Setup s(state.range(0) != 0);
    uint32_t v = 0;
    for (auto _ : state) benchmark::DoNotOptimize(DvDDCCIGetValue(0, 0x88, &v));
    s.Report(state, dvc::sim::Link::DDCCI);
}

void BM_DdcWrite(benchmark::State& state) {
    Setup s(state.range(0) != 0);
    uint32_t v = 40;
    for (auto _ : state) benchmark::DoNotOptimize(DvDDCCISetValue(0, 0x88, &v));
    s.Report(state, dvc::sim::Link::DDCCI);
}

void BM_HidRead(benchmark::State& state) {
    Setup s(state.range(0) != 0);
    uint32_t v = 0;
    for (auto _ : state) benchmark::DoNotOptimize(DvHIDGetValue(s.handle, 0x88, &v));
    s.Report(state, dvc::sim::Link::HID);
}

void BM_HidLutBlock(benchmark::State& state) {
    Setup s(state.range(0) != 0);
    uint8_t block[128];
    for (auto _ : state) {
        DvHIDSetValue(s.handle, 0x18, 0x84, 1);
        benchmark::DoNotOptimize(DvHIDGetData(s.handle, 0x19, block, sizeof block));
    }
    s.Report(state, dvc::sim::Link::HID);
}

// Discovery of both links with the identification reads a host makes.
void BM_Discovery(benchmark::State& state) {
    Setup s(state.range(0) != 0);
    for (auto _ : state) {
        DvDDCCISetCommunicationType(0);
        int32_t n = DvDDCCIFind();
        for (int32_t i = 0; i < n; ++i) {
            uint32_t length = 0;
            char id[64];
            DvDDCCIGetFixedData(static_cast<uint32_t>(i), 0x11, nullptr, nullptr, &length);
            DvDDCCIGetData(static_cast<uint32_t>(i), 0x11, id, length < sizeof id ? length : sizeof id);
        }
        benchmark::DoNotOptimize(DvHIDFind());
    }
}

// Off: many iterations in microseconds. On: a handful, each at least the
// modelled delay.
BENCHMARK(BM_DdcRead)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DdcRead)->Arg(1)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DdcWrite)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DdcWrite)->Arg(1)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HidRead)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HidRead)->Arg(1)->Iterations(50)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HidLutBlock)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Discovery)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Discovery)->Arg(1)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
