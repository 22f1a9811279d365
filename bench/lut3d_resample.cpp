// Resampling a 17-node 3D LUT onto 33 and 65 nodes: the library's resampler
// (mode 0), the plain rules it must agree with (1), and a copy of the
// output's bytes, the memory-bandwidth floor (2). Counter: destination nodes per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "colour/grid_levels.hpp"
#include "colour/lut3d_resample.hpp"
#include "support/lut3d_reference.hpp"

namespace {

void BM_Resample17(benchmark::State& state) {
    const auto mode = state.range(0);
    const auto nd = static_cast<uint16_t>(state.range(1));
    std::vector<uint16_t> src(3 * 17 * 17 * 17), dst(3u * nd * nd * nd), copy(dst.size(), 1), levels(nd);
    std::mt19937 rng(7);
    for (auto& v : src) v = static_cast<uint16_t>(rng());
    for (uint32_t i = 0; i < nd; ++i) levels[i] = static_cast<uint16_t>((510 * i + nd - 1) / (2 * (nd - 1u)));
    const uint16_t* from = dvc::lut3d::StandardGridLevels(17).data();
    for (auto _ : state) {
        if (mode == 0) dvc::lut3d::Resample3DLut(src.data(), from, 17, dst.data(), levels.data(), nd);
        if (mode == 1) dvc::test::ReferenceResample(src.data(), from, 17, dst.data(), levels.data(), nd);
        if (mode == 2) std::memcpy(dst.data(), copy.data(), dst.size() * 2);
        benchmark::ClobberMemory();
    }
    state.counters["nodes_per_s"] =
        benchmark::Counter(static_cast<double>(nd) * nd * nd, benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(dst.size() * 2));
    state.SetLabel(mode == 0 ? "library" : mode == 1 ? "plain rules" : "copy of the output");
}

BENCHMARK(BM_Resample17)->ArgsProduct({{0, 1, 2}, {33, 65}})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
