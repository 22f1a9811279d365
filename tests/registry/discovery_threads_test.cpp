// Discovery, release and add/remove by handle while other threads call
// into the monitors they replace.
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "registry/discovery_world.hpp"
#include "support/latch.hpp"

using dvc::test::DiscoveryWorld;
namespace t = dvc::test;

using DiscoveryThreads = DiscoveryWorld;

TEST_F(DiscoveryThreads, CallsDuringRediscoveryFindWholeMonitorsOrNone) {
    Activate();
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    std::atomic<bool> stop{false};
    std::atomic<int> unexpected{0};
    auto caller = [&](const char* serial, const char* model) {
        while (!stop.load()) {
            uint32_t handle = 0;
            const DvError r = DvCtrlGetHIDHandle(serial, model, &handle);
            if (r != DvOk && r != DvErrFailed) ++unexpected;
            int kind = 9;
            const DvError k = DvCtrlGetCommunicationPath(serial, model, &kind);
            if ((k == DvOk) != (kind == 0)) ++unexpected;
            DvCtrlSupportedCriticalSection(serial, model);
            char s[9], m[17];
            DvCtrlGetSerialProduct(0, s, m);
        }
    };
    std::vector<std::thread> threads;
    threads.emplace_back(caller, t::kDual, "CX2740");
    threads.emplace_back(caller, t::kGrading, "CG3180");
    for (int round = 0; round < 20; ++round) {
        EXPECT_EQ(DvCtrlFind(nullptr, 0), 5);
        EXPECT_EQ(DvCtrlRemoveMonitorInstance(t::kDual, "CX2740"), DvOk);
        EXPECT_EQ(DvCtrlAddMonitorInstance(HandleOf(t::kDual), nullptr, nullptr), DvOk);
        if (round % 5 == 4) {
            EXPECT_EQ(DvCtrlRelease(), DvOk);
        }
    }
    stop = true;
    for (auto& th : threads) th.join();
    EXPECT_EQ(unexpected.load(), 0);
}

// A slow transaction keeps a call inside its monitor; release waits for it.
TEST_F(DiscoveryThreads, ReleaseWaitsForTheCallInFlight) {
    Activate();
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    dvc::sim::FaultRule slow;
    slow.link = dvc::sim::Link::DDCCI;
    slow.op = dvc::sim::Op::GetValue;
    slow.code = 0xB8;
    slow.kind = dvc::sim::FaultKind::Delay;
    slow.delay = std::chrono::milliseconds(150);
    const uint32_t fault = dvc::sim::AddFault(slow);

    std::atomic<bool> callDone{false};
    std::thread caller([&] {
        EXPECT_EQ(DvCtrlGetMonitorMutex(t::kOffice1, "OF2210", 0), 1);
        callDone = true;
    });
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (dvc::sim::FaultHits(fault) == 0 && std::chrono::steady_clock::now() < limit) std::this_thread::yield();
    ASSERT_EQ(dvc::sim::FaultHits(fault), 1u);
    EXPECT_EQ(DvCtrlRelease(), DvOk);
    EXPECT_TRUE(callDone.load());
    caller.join();
    EXPECT_EQ(DvCtrlGetNumMonitors(), 0);
}
