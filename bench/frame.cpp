// What the call frame costs: one uncontended call against a plain virtual
// call, and two threads on two monitors (should scale) against one monitor.
#include <benchmark/benchmark.h>

#include "api/call_frame.hpp"
#include "support/registry_seam.hpp"

namespace {

struct Operation {
    virtual ~Operation() = default;
    virtual DvError Run(int& counter) = 0;
};
struct Increment final : Operation {
    DvError Run(int& counter) override {
        ++counter;
        return DvOk;
    }
};

DvError Work(VarnMonitor&, int& counter) {
    ++counter;
    benchmark::DoNotOptimize(counter);
    return DvOk;
}

// About a microsecond of work inside the monitor lock: a stand-in for the
// transaction that a real operation makes, so that the two-thread cases show
// whether calls overlap rather than only the cost of the frame itself.
DvError BusyWork(VarnMonitor&, int& counter) {
    for (int i = 0; i < 400; ++i) benchmark::DoNotOptimize(counter += i);
    return DvOk;
}

void Seed() { dvc::test::SeedMonitors({{"SER00001", "ModelA"}, {"SER00002", "ModelA"}}); }

void BM_PlainVirtualCall(benchmark::State& state) {
    Increment impl;
    Operation* op = &impl;
    benchmark::DoNotOptimize(op);
    int counter = 0;
    for (auto _ : state) benchmark::DoNotOptimize(op->Run(counter));
}
BENCHMARK(BM_PlainVirtualCall);

void BM_FrameUncontended(benchmark::State& state) {
    Seed();
    int counter = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            dvc::api::CallMonitor<dvc::api::ErrorResult>("SER00001", "ModelA", Work, std::ref(counter)));
}
BENCHMARK(BM_FrameUncontended);

void BM_BusyWorkOneThread(benchmark::State& state) {
    Seed();
    int counter = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            dvc::api::CallMonitor<dvc::api::ErrorResult>("SER00001", "ModelA", BusyWork, std::ref(counter)));
}
BENCHMARK(BM_BusyWorkOneThread)->UseRealTime();

// Thread i calls monitor i (separate) or every thread calls monitor 1 (same).
void BM_FrameTwoThreads(benchmark::State& state) {
    if (state.thread_index() == 0) Seed();
    const bool sameMonitor = state.range(0) == 1;
    const char* serial = (sameMonitor || state.thread_index() == 0) ? "SER00001" : "SER00002";
    int counter = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            dvc::api::CallMonitor<dvc::api::ErrorResult>(serial, "ModelA", BusyWork, std::ref(counter)));
    state.SetLabel(sameMonitor ? "same monitor" : "two monitors");
}
BENCHMARK(BM_FrameTwoThreads)->Arg(0)->Arg(1)->Threads(2)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
