// Resampling a 17-node 3D LUT onto 33 and 65 nodes: the library's resampler,
// the plain rules it must agree with, and a copy of the output's bytes (the
// memory-bandwidth floor). Counters: destination nodes per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "colour/grid_levels.hpp"
#include "colour/lut3d_resample.hpp"
#include "support/lut3d_reference.hpp"

namespace {

struct Job {
    explicit Job(uint16_t to) : nd(to), src(3 * 17 * 17 * 17), dst(3u * to * to * to), levels(to) {
        std::mt19937 rng(7);
        for (auto& v : src) v = static_cast<uint16_t>(rng());
        for (uint32_t i = 0; i < to; ++i) levels[i] = static_cast<uint16_t>((510 * i + to - 1) / (2 * (to - 1u)));
    }
    uint16_t nd;
    std::vector<uint16_t> src, dst, levels;
    const uint16_t* from = dvc::lut3d::StandardGridLevels(17).data();
};

void Finish(benchmark::State& state, const Job& job) {
    const double nodes = static_cast<double>(job.nd) * job.nd * job.nd;
    state.counters["nodes_per_s"] = benchmark::Counter(nodes, benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(job.dst.size() * 2));
}

void BM_Resample(benchmark::State& state) {
    Job job(static_cast<uint16_t>(state.range(0)));
    for (auto _ : state) {
        dvc::lut3d::Resample3DLut(job.src.data(), job.from, 17, job.dst.data(), job.levels.data(), job.nd);
        benchmark::DoNotOptimize(job.dst.data());
    }
    Finish(state, job);
}

void BM_ResamplePlainRules(benchmark::State& state) {
    Job job(static_cast<uint16_t>(state.range(0)));
    for (auto _ : state) {
        dvc::test::ReferenceResample(job.src.data(), job.from, 17, job.dst.data(), job.levels.data(), job.nd);
        benchmark::DoNotOptimize(job.dst.data());
    }
    Finish(state, job);
}

void BM_CopyOutputSize(benchmark::State& state) {
    Job job(static_cast<uint16_t>(state.range(0)));
    std::vector<uint16_t> from(job.dst.size(), 1);
    for (auto _ : state) {
        std::memcpy(job.dst.data(), from.data(), job.dst.size() * 2);
        benchmark::ClobberMemory();
    }
    Finish(state, job);
}

BENCHMARK(BM_Resample)->Arg(33)->Arg(65)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResamplePlainRules)->Arg(33)->Arg(65)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyOutputSize)->Arg(33)->Arg(65)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
