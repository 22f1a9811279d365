// Process-wide state of the call frame: the global lock with its counters,
// the registry lock, the two mode flags and the report-in-flight count.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "platform/critical_section.hpp"

namespace dvc::api {

// A counter of calls or requests in flight. Decrements at 0 and increments
// at the limit are skipped, so a stray release can never wrap it. Lock-free:
// every call passes through it twice, on whatever core it runs.
class GuardedCount {
public:
    void Increment();
    void Decrement();
    uint32_t Read() const { return count_.load(std::memory_order_acquire); }

private:
    std::atomic<uint32_t> count_{0};
};

class FrameState {
public:
    static FrameState& Instance();

    // Every call passes through it; exclusive operations hold it.
    varn_dvc::CriticalSection global;
    // Serialises lookup and operation in thread-safe mode only.
    varn_dvc::CriticalSection registry;
    GuardedCount readers;
    GuardedCount exclusiveRequests;

    bool CountsReaders() const { return readerCountFlag_.load(std::memory_order_acquire) != 0; }
    bool TakesRegistryLock() const { return registryLockOff_.load(std::memory_order_acquire) == 0; }
    // 0: thread-safe mode; nonzero: thread-unsafe mode.
    void SetThreadUnsafeOption(int option);
    // The mode of a freshly loaded library (for tests: no export reaches it).
    void RestoreDefaultMode();

    // The report-in-flight count: absent while no monitor is registered,
    // limited to the number of logical monitors otherwise.
    void ResetReportsInFlight(std::size_t monitors);
    void EnterReport();
    void LeaveReport();
    uint32_t ReportsInFlight();

private:
    std::atomic<uint8_t> readerCountFlag_{1};
    std::atomic<int32_t> registryLockOff_{1};
    varn_dvc::CriticalSection reportLock_;
    std::optional<uint32_t> reportsInFlight_;
    uint32_t reportLimit_ = 0;
};

// Set while this thread dispatches a report of the HID transport.
bool& ReportThreadFlag();

}  // namespace dvc::api
