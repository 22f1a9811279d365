// Reports reach the host's callback on hidlink's own thread; stopping them
// waits for a delivery in progress and ends with the teardown callback.
#include <hidlink/hidlink.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "sim_fixture.hpp"

namespace {

using namespace dvc::test;
using namespace std::chrono_literals;

struct Inbox {
    std::mutex m;
    std::condition_variable cv;
    std::vector<std::vector<uint8_t>> reports;
    std::vector<uint32_t> codes;
    std::vector<std::thread::id> threads;
    int teardowns = 0;
    uint32_t teardown_handle = 0;

    bool WaitFor(std::size_t n) {
        std::unique_lock lock(m);
        return cv.wait_for(lock, 10s, [&] { return reports.size() >= n; });
    }
};

void OnReport(uint32_t, uint32_t code, const void* data, uint32_t size, void* context) {
    auto* in = static_cast<Inbox*>(context);
    std::lock_guard lock(in->m);
    const auto* b = static_cast<const uint8_t*>(data);
    in->reports.emplace_back(b, b + size);
    in->codes.push_back(code);
    in->threads.push_back(std::this_thread::get_id());
    in->cv.notify_all();
}

void OnTeardown(uint32_t handle, void* context) {
    auto* in = static_cast<Inbox*>(context);
    std::lock_guard lock(in->m);
    ++in->teardowns;
    in->teardown_handle = handle;
}

class Reports : public WorldTest {
protected:
    void SetUp() override {
        Activate();
        ASSERT_EQ(DvHIDFind(), 3);
        ASSERT_EQ(DvHIDRetrieve(0, &cx), 0);  // the CX2740 comes first
    }
    void TearDown() override {
        DvHIDRelease();
        WorldTest::TearDown();
    }
    uint32_t cx = 0;
};

TEST_F(Reports, InjectedReportsArriveInOrderOnHidlinksThread) {
    Inbox in;
    EXPECT_FALSE(dvc::sim::InjectReport(kCX, 2, {1, 0}));  // reports are off: the monitor stays silent
    ASSERT_EQ(DvHIDReportON(cx, OnReport, OnTeardown, &in), 0);
    EXPECT_TRUE(dvc::sim::InjectReport(kCX, 2, {0x05, 0x00}));
    EXPECT_TRUE(dvc::sim::InjectReport(kCX, 0xFF0000F3, {3}));
    EXPECT_FALSE(dvc::sim::InjectReport(kOF1, 2, {1, 0}));  // no HID link
    ASSERT_TRUE(in.WaitFor(2));
    std::unique_lock lock(in.m);
    EXPECT_EQ(in.codes, (std::vector<uint32_t>{2, 0xFF0000F3}));
    EXPECT_EQ(in.reports[0], (std::vector<uint8_t>{5, 0}));
    EXPECT_EQ(in.reports[1], (std::vector<uint8_t>{3}));
    EXPECT_NE(in.threads[0], std::this_thread::get_id());
    EXPECT_EQ(in.threads[0], in.threads[1]);
    lock.unlock();
    EXPECT_EQ(DvHIDReportOFF(cx), 0);  // before the inbox goes away
}

TEST_F(Reports, ReportOffCallsTeardownOnceAndStopsDelivery) {
    Inbox in;
    ASSERT_EQ(DvHIDReportON(cx, OnReport, OnTeardown, &in), 0);
    ASSERT_EQ(DvHIDReportOFF(cx), 0);
    EXPECT_EQ(in.teardowns, 1);
    EXPECT_EQ(in.teardown_handle, cx);
    EXPECT_FALSE(dvc::sim::InjectReport(kCX, 2, {1, 0}));
    EXPECT_EQ(DvHIDReportON(cx, nullptr, OnTeardown, &in), DvErrInvalidParameter);
    EXPECT_LT(DvHIDReportON(0x1234, OnReport, OnTeardown, &in), 0);
    EXPECT_EQ(in.teardowns, 1);
}

TEST_F(Reports, ReleaseTearsDownEveryDeviceStillReporting) {
    Inbox a, b;
    uint32_t cg = 0;
    ASSERT_EQ(DvHIDRetrieve(1, &cg), 0);
    ASSERT_EQ(DvHIDReportON(cx, OnReport, OnTeardown, &a), 0);
    ASSERT_EQ(DvHIDReportON(cg, OnReport, OnTeardown, &b), 0);
    EXPECT_EQ(DvHIDRelease(), 0);
    EXPECT_EQ(a.teardowns, 1);
    EXPECT_EQ(b.teardowns, 1);
}

// A callback that stops reports from inside its own delivery must not
// wait for itself.
struct SelfStop {
    uint32_t handle = 0;
    std::atomic<int> calls{0};
    std::atomic<int32_t> result{1};
};

TEST_F(Reports, CallbackMayStopItsOwnReports) {
    SelfStop s;
    s.handle = cx;
    auto cb = [](uint32_t h, uint32_t, const void*, uint32_t, void* ctx) {
        auto* st = static_cast<SelfStop*>(ctx);
        st->calls++;
        st->result = DvHIDReportOFF(h);
    };
    ASSERT_EQ(DvHIDReportON(cx, cb, nullptr, &s), 0);
    ASSERT_TRUE(dvc::sim::InjectReport(kCX, 4, {1, 0}));
    for (int i = 0; i < 1000 && s.result == 1; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_EQ(s.result.load(), 0);
    EXPECT_EQ(s.calls.load(), 1);
}

TEST_F(Reports, TransactionsFromManyThreadsStayConsistentWhileReporting) {
    Inbox in;
    ASSERT_EQ(DvHIDReportON(cx, OnReport, OnTeardown, &in), 0);
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                uint32_t v = 0;
                if (DvHIDSetValue(cx, 0x89, static_cast<uint32_t>(t * 10 + i % 10), 0) != 0) failures++;
                if (DvHIDGetValue(cx, 0x89, &v) != 0 || v > 100) failures++;
                if (t == 0) dvc::sim::InjectReport(kCX, 2, {static_cast<uint8_t>(i), 0});
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(failures.load(), 0);
    ASSERT_TRUE(in.WaitFor(200));
    EXPECT_EQ(DvHIDReportOFF(cx), 0);
}

TEST_F(Reports, DeviceLockMakesAnotherThreadWait) {
    ASSERT_EQ(DvHIDEnterCriticalSection(cx), 0);
    std::atomic<bool> entered{false};
    std::thread other([&] {
        if (DvHIDEnterCriticalSection(cx) == 0) {
            entered = true;
            DvHIDExitCriticalSection(cx);
        }
    });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(entered.load());
    EXPECT_EQ(DvHIDExitCriticalSection(cx), 0);
    other.join();
    EXPECT_TRUE(entered.load());
}

}  // namespace
