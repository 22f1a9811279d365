// Reports end to end on hidlink's thread, callbacks that call back, and stops
// and exclusive operations that wait for reports in flight and tear down once.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <dvcsim/reports.hpp>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "api/frame_state.hpp"
#include "paths/feature_codes.hpp"
#include "support/sim_world.hpp"

using namespace std::chrono_literals;
using dvc::test::kDual;

namespace {

struct Recorder {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<std::string> calls;
    std::atomic<int> teardowns{0};
    void Add(std::string s) {
        std::lock_guard lock(mutex);
        calls.push_back(std::move(s));
        cv.notify_all();
    }
    bool WaitFor(std::size_t n) {
        std::unique_lock lock(mutex);
        return cv.wait_for(lock, 10s, [&] { return calls.size() >= n; });
    }
    std::size_t Count() {
        std::lock_guard lock(mutex);
        return calls.size();
    }
};

Recorder& Rec(void* c) { return *static_cast<Recorder*>(c); }
void Teardown(const char*, const char*, void* c) { ++Rec(c).teardowns; }

class Reports : public dvc::test::SimWorld {
protected:
    void SetUp() override {
        Discover();
        ASSERT_EQ(DvCtrlRegisterCallbackForTeardownReport(kDual.serial, kDual.model, Teardown, &rec), DvOk);
    }
    Recorder rec;
};

TEST_F(Reports, MonitorReportsReachCallbacksWhichMayCallBack) {
    EXPECT_EQ(DvCtrlSupportedGenericReport(kDual.serial, kDual.model), 1);
    EXPECT_EQ(DvCtrlSupportedGenericReport(dvc::test::kOffice.serial, dvc::test::kOffice.model), 0);
    EXPECT_LT(DvCtrlStartReport(dvc::test::kOffice.serial, dvc::test::kOffice.model), 0) << "DDC/CI only";
    const auto mode = [](const char* s, const char* m, uint32_t v, void* c) {
        // A call back into the library, on the report thread.
        Rec(c).Add("mode " + std::to_string(v) + " generic " + std::to_string(DvCtrlSupportedGenericReport(s, m)));
    };
    const auto keys = [](const char* s, const char* m, const uint32_t* k, uint32_t n, void* c) {
        // Replacing the running callback leaves this call intact.
        DvCtrlRegisterCallbackForVirtualKeyReport(s, m, nullptr, c);
        Rec(c).Add("keys " + std::to_string(n) + " first " + std::to_string(n ? k[0] : 99));
    };
    const auto usb = [](const char*, const char*, uint32_t a, uint32_t b, void* c) {
        Rec(c).Add("usb " + std::to_string(a) + "," + std::to_string(b));
    };
    ASSERT_EQ(DvCtrlRegisterCallbackForModeReport(kDual.serial, kDual.model, mode, &rec), DvOk);
    ASSERT_EQ(DvCtrlRegisterCallbackForVirtualKeyReport(kDual.serial, kDual.model, keys, &rec), DvOk);
    ASSERT_EQ(DvCtrlRegisterCallbackForUSBSelectionReport(kDual.serial, kDual.model, usb, &rec), DvOk);
    ASSERT_EQ(DvCtrlStartReport(kDual.serial, kDual.model), DvOk);

    EXPECT_TRUE(dvc::sim::InjectReport(kDual.serial, 2, {0x06, 0x00}));
    EXPECT_TRUE(dvc::sim::InjectReport(kDual.serial, 2, {0x01, 0x00}));  // reaches the null function: nothing
    EXPECT_TRUE(dvc::sim::InjectReport(kDual.serial, 0xFF010073, {1}));
    // A mode change made through the library is reported by the monitor.
    EXPECT_EQ(Monitor(kDual)->Paths()[0]->WriteValue(dvc::codes::kColorMode, 5, 0), DvOk);
    ASSERT_TRUE(rec.WaitFor(3));
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"keys 2 first 1", "usb 1,255", "mode 5 generic 1"}));

    EXPECT_EQ(DvCtrlStopReport(kDual.serial, kDual.model), DvOk);
    EXPECT_EQ(rec.teardowns, 1);
    EXPECT_FALSE(dvc::sim::InjectReport(kDual.serial, 0xFF0000F3, {1})) << "reports are off";
    DvCtrlRelease();
    EXPECT_EQ(rec.teardowns, 1) << "the stream ended once";
}

TEST_F(Reports, StopWaitsForReportsInFlightAndNothingArrivesAfter) {
    const auto slow = [](const char*, const char*, uint32_t, void* c) {
        std::this_thread::sleep_for(1ms);
        Rec(c).Add("mode");
    };
    ASSERT_EQ(DvCtrlRegisterCallbackForModeReport(kDual.serial, kDual.model, slow, &rec), DvOk);
    ASSERT_EQ(DvCtrlStartReport(kDual.serial, kDual.model), DvOk);
    for (int i = 0; i < 200; ++i) dvc::sim::InjectReport(kDual.serial, 0xFF0000F3, {1});
    ASSERT_TRUE(rec.WaitFor(2));
    EXPECT_EQ(DvCtrlStopReport(kDual.serial, kDual.model), DvOk);
    const std::size_t delivered = rec.Count();
    EXPECT_EQ(rec.teardowns, 1);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(rec.Count(), delivered);
    EXPECT_LT(delivered, 200u) << "the stop cut the stream short";
}

TEST_F(Reports, CallbackDuringPendingReleaseFailsBusyInsteadOfDeadlocking) {
    struct Probe : Recorder {
        std::atomic<bool> inside{false};
        DvError handleResult = DvOk;
        int monitors = -1;
    } probe;
    const auto mode = [](const char* s, const char* m, uint32_t, void* c) {
        auto& p = *static_cast<Probe*>(c);
        p.inside = true;
        // Until the release holds the global lock and waits for this report.
        for (auto& st = dvc::api::FrameState::Instance();; std::this_thread::yield()) {
            if (st.exclusiveRequests.Read() == 0) continue;
            if (!st.global.TryEnter()) break;
            st.global.Leave();
        }
        uint32_t handle = 0;
        p.handleResult = DvCtrlGetHIDHandle(s, m, &handle);
        p.monitors = DvCtrlGetNumMonitors();
        p.Add("mode");
    };
    ASSERT_EQ(DvCtrlRegisterCallbackForModeReport(kDual.serial, kDual.model, mode, &probe), DvOk);
    ASSERT_EQ(DvCtrlStartReport(kDual.serial, kDual.model), DvOk);
    ASSERT_TRUE(dvc::sim::InjectReport(kDual.serial, 0xFF0000F3, {2}));
    while (!probe.inside) std::this_thread::yield();
    std::thread release([] { DvCtrlRelease(); });
    release.join();
    EXPECT_EQ(probe.Count(), 1u);
    EXPECT_EQ(probe.handleResult, DvErrFailed) << "busy";
    EXPECT_EQ(probe.monitors, 0) << "busy";
    EXPECT_EQ(rec.teardowns, 1) << "release ends the stream";
}

}  // namespace
