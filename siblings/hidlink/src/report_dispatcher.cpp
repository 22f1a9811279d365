#include "report_dispatcher.hpp"

#include <algorithm>

namespace dvc::hidlink {

namespace {
constexpr std::size_t kMaxQueued = 4096;  // a device that floods loses its oldest reports
}

ReportDispatcher& ReportDispatcher::Get() {
    // Never destroyed: a report thread may still run while the process exits.
    static ReportDispatcher* d = new ReportDispatcher();
    return *d;
}

void ReportDispatcher::Register(uint32_t handle, DvHIDReportCallback report, DvHIDTeardownCallback teardown,
                                void* context) {
    std::lock_guard lock(mutex_);
    registrations_[handle] = Registration{report, teardown, context};
    if (!thread_.joinable()) {
        stopping_ = false;
        thread_ = std::thread([this] { Run(); });
        thread_id_ = thread_.get_id();
    }
}

bool ReportDispatcher::Unregister(uint32_t handle, bool call_teardown) {
    Registration reg{};
    {
        std::unique_lock lock(mutex_);
        auto it = registrations_.find(handle);
        if (it == registrations_.end()) return false;
        reg = it->second;
        registrations_.erase(it);
        queue_.erase(std::remove_if(queue_.begin(), queue_.end(), [&](const Pending& p) { return p.handle == handle; }),
                     queue_.end());
        if (!OnDeliveryThread()) idle_.wait(lock, [&] { return delivering_ != handle; });
    }
    if (call_teardown && reg.teardown != nullptr) {
        try {
            reg.teardown(handle, reg.context);
        } catch (...) {}
    }
    return true;
}

void ReportDispatcher::UnregisterAll() {
    std::vector<uint32_t> handles;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [h, r] : registrations_) handles.push_back(h);
    }
    for (uint32_t h : handles) Unregister(h, true);
    std::unique_lock lock(mutex_);
    if (registrations_.empty()) StopThread(lock);
}

void ReportDispatcher::StopThread(std::unique_lock<std::mutex>& lock) {
    if (!thread_.joinable() || OnDeliveryThread()) return;
    stopping_ = true;
    wake_.notify_all();
    std::thread t = std::move(thread_);
    lock.unlock();
    t.join();
    lock.lock();
    thread_id_ = std::thread::id{};
    stopping_ = false;
    queue_.clear();
}

void ReportDispatcher::Enqueue(uint32_t handle, uint32_t code, const void* data, uint32_t size) {
    Pending p{handle, code, {}};
    if (data != nullptr && size != 0) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        p.data.assign(bytes, bytes + size);
    }
    std::lock_guard lock(mutex_);
    if (registrations_.find(handle) == registrations_.end()) return;
    if (queue_.size() >= kMaxQueued) queue_.pop_front();
    queue_.push_back(std::move(p));
    wake_.notify_one();
}

void ReportDispatcher::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        Pending p = std::move(queue_.front());
        queue_.pop_front();
        auto it = registrations_.find(p.handle);
        if (it == registrations_.end() || it->second.report == nullptr) continue;
        Registration reg = it->second;
        delivering_ = p.handle;
        lock.unlock();
        try {
            reg.report(p.handle, p.code, p.data.empty() ? nullptr : p.data.data(), static_cast<uint32_t>(p.data.size()),
                       reg.context);
        } catch (...) {
            // A host callback that throws loses that report, not the thread.
        }
        lock.lock();
        delivering_ = 0;
        idle_.notify_all();
    }
}

}  // namespace dvc::hidlink
