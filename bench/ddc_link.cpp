// Real-world timing on the emulated bus: 100 kHz on the wire, a display
// that needs 30 ms to prepare a reply, and the host's standard pauses.
// Each result carries floor_ms, the sum of the pauses that the protocol
// itself requires for that work, so the overhead above it is plain.
#include <benchmark/benchmark.h>

#include "ddc/i2c_link.hpp"
#include "emulated_display.hpp"

namespace {

using namespace dvc;

const ddc::Timing kTiming;  // the real pauses
const std::string kCapabilities =
    "(prot(monitor)type(lcd)model(p2317h)cmds(01 02 03 07 0c e3 f3)vcp(02 04 05 08 10 12 14(05 08 0b 0c) 16 18 1a 52 "
    "60(01 0f 11) aa(01 02) ac ae b2 b6 c6 c8 c9 d6(01 04 05) dc(00 02 03 05) df e0 e1 e2(00 1d 01 02 04 0e 12 14) "
    "f0(0c) f1 f2 fd)mswhql(1)asset_eep(40)mccs_ver(2.1))";

std::vector<uint8_t> Edid(int serial) {
    std::vector<uint8_t> b(128, 0);
    const uint8_t header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::copy(std::begin(header), std::end(header), b.begin());
    b[8] = 0x10, b[9] = 0xAC, b[12] = static_cast<uint8_t>(serial + 1);
    uint8_t sum = 0;
    for (size_t i = 0; i < 127; ++i) sum = static_cast<uint8_t>(sum + b[i]);
    b[127] = static_cast<uint8_t>(-sum);
    return b;
}

std::vector<ddc::DisplayBus> Machine(int displays) {
    ddcsim::DetachAll();
    std::vector<ddc::DisplayBus> buses;
    for (int i = 0; i < displays; ++i) {
        ddcsim::Behaviour b;
        b.edid = Edid(i);
        b.capabilities = kCapabilities;
        b.controls = {{0x10, {100, 50}}, {0xDF, {0, 0x0201}}};
        b.latency = std::chrono::milliseconds(30);
        b.writeRecovery = std::chrono::milliseconds(40);
        b.byteTime = std::chrono::microseconds(90);
        ddcsim::Attach(i, std::make_shared<ddcsim::EmulatedDisplay>(b));
        buses.push_back({i, "DP-" + std::to_string(i)});
    }
    return buses;
}

ddc::I2cLink Link(const std::vector<ddc::DisplayBus>& buses) {
    return ddc::I2cLink(ddc::Environment{[buses] { return buses; }, &ddcsim::OpenEmulatedBus, kTiming});
}

double Ms(std::chrono::microseconds d) { return static_cast<double>(d.count()) / 1000.0; }

void SteadyStateGet(benchmark::State& state) {
    ddc::I2cLink link = Link(Machine(1));
    link.Find();
    uint32_t v = 0;
    link.GetValue(0, 0x88, &v);  // the maximum is learnt; later reads are one request-reply each
    for (auto _ : state) benchmark::DoNotOptimize(link.GetValue(0, 0x88, &v));
    // Back to back: the reply delay and the gap the bus keeps between transactions.
    state.counters["floor_ms"] = Ms(kTiming.replyDelay + kTiming.busGap);
}
BENCHMARK(SteadyStateGet)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void Discovery(benchmark::State& state) {
    ddc::I2cLink link = Link(Machine(static_cast<int>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(link.Find());
    // Per display, all in parallel: the DDC/CI probe's reply delay, one
    // fragment delay per capabilities fragment (the empty last one
    // included), and the bus gap after each transaction (EDID, probe,
    // fragments).
    const auto fragments = static_cast<long>((kCapabilities.size() + 31) / 32 + 1);
    state.counters["floor_ms"] =
        Ms(kTiming.replyDelay + kTiming.fragmentDelay * fragments + kTiming.busGap * (fragments + 2));
    state.counters["displays"] = static_cast<double>(state.range(0));
}
BENCHMARK(Discovery)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
