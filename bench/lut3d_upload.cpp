// A whole 17-node 3D LUT sent to the CG3180 (USB HID, 512-byte chunks) under
// the link timing model, counted rather than slept: the modelled link time
// of one upload beside the wire floor, the bytes moved at the model's rate
// of one 512-byte transfer per HID reply time, and beside the reachable
// floor: those transfers plus the one block select that each of the 24
// parity-class blocks needs before its chunks (the support queries are
// answered by the link cache after the first upload).
#include <benchmark/benchmark.h>

#include <dvcsim/dvcsim.hpp>

#include <vector>

#include "libdvc/libdvc.h"
#include "support/registry_seam.hpp"

namespace {

using namespace std::chrono_literals;

void BM_Upload17(benchmark::State& state) {
    dvc::test::ResetLibrary();
    dvc::sim::ActivateWorld("grading");
    dvc::sim::SetLogCapacity(0);
    DvCtrlFind(nullptr, 0);
    dvc::sim::Timing timing;
    timing.hid_reply = 1ms;
    dvc::sim::SetTiming(timing);
    std::vector<uint16_t> image(3 * 17 * 17 * 17, 0x8000);
    dvc::sim::ResetCounters();
    for (auto _ : state) {
        if (DvCtrlSet3DLUTDirect("23100078", "CG3180", image.data(), 17) != DvOk) state.SkipWithError("upload failed");
    }
    const auto c = dvc::sim::Counters(dvc::sim::Link::HID);
    const double runs = static_cast<double>(state.iterations());
    const double linkMs = static_cast<double>(c.link_time.count()) / 1e6 / runs;
    const double bytes = static_cast<double>(c.bytes_written + c.bytes_read) / runs;
    const double floorMs = bytes / 512.0 * 1.0;  // 512 bytes per 1 ms transfer
    constexpr double kBlocks = 24;               // 3 components x 8 parity classes, one select each
    const double reachableMs = floorMs + kBlocks * 1.0;
    state.counters.insert({{"calls", static_cast<double>(c.calls) / runs},
                           {"bytes", bytes},
                           {"link_ms", linkMs},
                           {"floor_ms", floorMs},
                           {"ratio", linkMs / floorMs},
                           {"reachable_ms", reachableMs},
                           {"reachable_ratio", linkMs / reachableMs}});
    DvCtrlRelease();
    dvc::sim::DeactivateWorld();
}

BENCHMARK(BM_Upload17)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
