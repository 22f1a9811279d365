// Reports reach the host's callback on hidlink's own thread; stopping them
// waits for a delivery in progress and ends with the teardown callback.
// Also what several threads may do at once.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

using namespace std::chrono_literals;

struct Inbox {
    std::mutex m;
    std::condition_variable cv;
    std::vector<std::pair<uint32_t, Bytes>> reports;  // code, data
    std::vector<std::thread::id> threads;
    std::vector<uint32_t> teardowns;  // handles

    bool WaitFor(std::size_t n) {
        std::unique_lock lock(m);
        return cv.wait_for(lock, 10s, [&] { return reports.size() >= n; });
    }
    int32_t Start(uint32_t handle) {
        const auto report = [](uint32_t, uint32_t code, const void* data, uint32_t size, void* context) {
            auto* in = static_cast<Inbox*>(context);
            const auto* bytes = static_cast<const uint8_t*>(data);
            std::lock_guard lock(in->m);
            in->reports.emplace_back(code, Bytes(bytes, bytes + size));
            in->threads.push_back(std::this_thread::get_id());
            in->cv.notify_all();
        };
        const auto teardown = [](uint32_t h, void* context) { static_cast<Inbox*>(context)->teardowns.push_back(h); };
        return DvHIDReportON(handle, report, teardown, this);
    }
};

class Reports : public WorldTest {
protected:
    void SetUp() override {
        Open();
        ASSERT_EQ(DvHIDRetrieve(0, &cx), 0);  // the CX2740 comes first
        ASSERT_EQ(DvHIDRetrieve(1, &cg), 0);
    }
    uint32_t cx = 0, cg = 0;
};

TEST_F(Reports, InjectedReportsArriveInOrderOnHidlinksThreadUntilStopped) {
    Inbox a, b;
    const uint64_t sent = sim::ReportsSent();
    EXPECT_FALSE(sim::InjectReport(kCX, 2, {1, 0})) << "reports are off: the monitor stays silent";
    ASSERT_EQ(a.Start(cx), 0);
    EXPECT_TRUE(sim::InjectReport(kCX, 2, {0x05, 0x00}));
    EXPECT_TRUE(sim::InjectReport(kCX, 0xFF0000F3, {3}));
    EXPECT_FALSE(sim::InjectReport(kOF1, 2, {1, 0})) << "no HID link";
    ASSERT_TRUE(a.WaitFor(2));
    EXPECT_EQ(a.reports, (std::vector<std::pair<uint32_t, Bytes>>{{2, {5, 0}}, {0xFF0000F3, {3}}}));
    EXPECT_NE(a.threads[0], std::this_thread::get_id());
    EXPECT_EQ(a.threads[0], a.threads[1]);
    EXPECT_EQ(sim::ReportsSent() - sent, 2u);

    EXPECT_EQ(DvHIDReportOFF(cx), 0);
    EXPECT_EQ(a.teardowns, std::vector<uint32_t>{cx});
    EXPECT_FALSE(sim::InjectReport(kCX, 2, {1, 0}));
    EXPECT_EQ(DvHIDReportON(cx, nullptr, nullptr, &a), DvErrInvalidParameter);
    EXPECT_EQ(a.Start(0x1234), DvErrFailed);
    ASSERT_EQ(a.Start(cx), 0);
    ASSERT_EQ(b.Start(cg), 0);
    EXPECT_EQ(DvHIDRelease(), 0);
    EXPECT_EQ(a.teardowns, (std::vector<uint32_t>{cx, cx})) << "a failed start registers nothing";
    EXPECT_EQ(b.teardowns, std::vector<uint32_t>{cg}) << "release tears down every device still reporting";
}

TEST_F(Reports, CallbackMayStopItsOwnReports) {
    static std::atomic<int> calls{0}, result{1};
    const auto cb = [](uint32_t h, uint32_t, const void*, uint32_t, void*) {
        calls++;
        result = DvHIDReportOFF(h);  // must not wait for its own delivery
    };
    ASSERT_EQ(DvHIDReportON(cx, cb, nullptr, nullptr), 0);
    ASSERT_TRUE(sim::InjectReport(kCX, 4, {1, 0}));
    for (int i = 0; i < 1000 && result == 1; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_EQ(result.load(), 0);
    EXPECT_EQ(calls.load(), 1);
}

TEST_F(Reports, ThreadsStayConsistentWhileReportingAndTheDeviceLockMakesThemWait) {
    Inbox in;
    ASSERT_EQ(in.Start(cx), 0);
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                uint32_t v = 0;
                failures += DvHIDSetValue(cx, 0x89, static_cast<uint32_t>(t * 10 + i % 10), 0) != 0;
                failures += DvHIDGetValue(cx, 0x89, &v) != 0 || v > 100;
                if (t == 0) sim::InjectReport(kCX, 2, {static_cast<uint8_t>(i), 0});
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_TRUE(in.WaitFor(200));
    EXPECT_EQ(DvHIDReportOFF(cx), 0);

    ASSERT_EQ(DvHIDEnterCriticalSection(cx), 0);
    std::atomic<bool> entered{false};
    std::thread other([&] {
        entered = DvHIDEnterCriticalSection(cx) == 0;
        DvHIDExitCriticalSection(cx);
    });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(entered.load());
    EXPECT_EQ(DvHIDExitCriticalSection(cx), 0);
    other.join();
    EXPECT_TRUE(entered.load());
}

}  // namespace
}  // namespace dvc::test
