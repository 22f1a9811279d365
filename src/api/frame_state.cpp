#include "api/frame_state.hpp"

#include <mutex>

namespace dvc::api {

void GuardedCount::Increment() {
    uint32_t seen = count_.load(std::memory_order_relaxed);
    while (seen != UINT32_MAX && !count_.compare_exchange_weak(seen, seen + 1, std::memory_order_acq_rel)) {}
}

void GuardedCount::Decrement() {
    uint32_t seen = count_.load(std::memory_order_relaxed);
    while (seen != 0 && !count_.compare_exchange_weak(seen, seen - 1, std::memory_order_acq_rel)) {}
}

FrameState& FrameState::Instance() {
    // Never destroyed: the transport's report thread may call in while the
    // process exits.
    static FrameState* instance = new FrameState;
    return *instance;
}

void FrameState::SetThreadUnsafeOption(int option) {
    registryLockOff_.store(option, std::memory_order_release);
    readerCountFlag_.store(option == 0 ? 1 : 0, std::memory_order_release);
}

void FrameState::RestoreDefaultMode() {
    registryLockOff_.store(1, std::memory_order_release);
    readerCountFlag_.store(1, std::memory_order_release);
}

void FrameState::ResetReportsInFlight(std::size_t monitors) {
    std::lock_guard guard(reportLock_);
    if (monitors == 0) {
        reportsInFlight_.reset();
        reportLimit_ = 0;
    } else {
        reportsInFlight_ = 0;
        reportLimit_ = monitors > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(monitors);
    }
}

void FrameState::EnterReport() {
    std::lock_guard guard(reportLock_);
    if (reportsInFlight_ && *reportsInFlight_ < reportLimit_) ++*reportsInFlight_;
}

void FrameState::LeaveReport() {
    std::lock_guard guard(reportLock_);
    if (reportsInFlight_ && *reportsInFlight_ > 0) --*reportsInFlight_;
}

uint32_t FrameState::ReportsInFlight() {
    std::lock_guard guard(reportLock_);
    return reportsInFlight_.value_or(0);
}

bool& ReportThreadFlag() {
    thread_local bool flag = false;
    return flag;
}

}  // namespace dvc::api
