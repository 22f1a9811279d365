// Discovery, release and add/remove by handle while other threads call into the monitors that they replace.
#include <atomic>
#include <chrono>
#include <thread>

#include "registry/registry_world.hpp"

using namespace dvc::test;
using DiscoveryThreads = RegistryWorld;

TEST_F(DiscoveryThreads, CallsDuringRediscoveryFindWholeMonitorsOrNone) {
    Discover();
    std::atomic<bool> stop{false};
    std::atomic<int> unexpected{0};
    const auto caller = [&](const WorldMonitor& m, int modes) {
        while (!stop.load()) {
            uint32_t handle = 0;
            if (const DvError r = DvCtrlGetHIDHandle(m.serial, m.model, &handle); r != DvOk && r != DvErrFailed)
                ++unexpected;
            int kind = 9;
            if ((DvCtrlGetCommunicationPath(m.serial, m.model, &kind) == DvOk) != (kind == DvPathHID)) ++unexpected;
            if (const int n = DvCtrlGetModeCount(m.serial, m.model); n != 0 && n != modes) ++unexpected;
            char serial[9], model[17];
            DvCtrlGetSerialProduct(0, serial, model);
        }
    };
    std::thread dual(caller, kDual, 6), grading(caller, kGrading, 8);
    for (int round = 0; round < 20; ++round) {
        EXPECT_EQ(DvCtrlFind(nullptr, 0), 5);
        EXPECT_EQ(DvCtrlRemoveMonitorInstance(kDual.serial, kDual.model), DvOk);
        EXPECT_EQ(DvCtrlAddMonitorInstance(HandleOf(kDual), nullptr, nullptr), DvOk);
        if (round % 5 == 4) {
            EXPECT_EQ(DvCtrlRelease(), DvOk);
        }
    }
    stop = true;
    dual.join();
    grading.join();
    EXPECT_EQ(unexpected.load(), 0);
}

// A slow transaction keeps a call inside its monitor; release waits for it.
TEST_F(DiscoveryThreads, ReleaseWaitsForTheCallInFlight) {
    Discover();
    const uint32_t slow = dvc::sim::AddFault({.link = dvc::sim::Link::DDCCI,
                                              .serial = {},
                                              .op = dvc::sim::Op::GetValue,
                                              .code = 0xB8u,
                                              .kind = dvc::sim::FaultKind::Delay,
                                              .delay = std::chrono::milliseconds(150)});
    std::atomic<bool> done{false};
    std::thread caller([&] {
        EXPECT_EQ(DvCtrlGetMonitorMutex(kOffice.serial, kOffice.model, 0), 1);
        done = true;
    });
    while (dvc::sim::FaultHits(slow) == 0) std::this_thread::yield();
    EXPECT_EQ(DvCtrlRelease(), DvOk);
    EXPECT_TRUE(done.load());
    caller.join();
}
