// Delivers the devices' reports to the host's callbacks on one thread that
// hidlink owns. Backends enqueue from any thread; stopping a device's
// reports waits for a delivery in progress (unless called from inside a
// callback), then calls the host's teardown callback.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "hidlink/hidlink.h"

namespace dvc::hidlink {

class ReportDispatcher {
public:
    static ReportDispatcher& Get();

    void Register(uint32_t handle, DvHIDReportCallback report, DvHIDTeardownCallback teardown, void* context);
    // Returns false when the handle had no registration.
    bool Unregister(uint32_t handle, bool call_teardown);
    void UnregisterAll();
    void Enqueue(uint32_t handle, uint32_t code, const void* data, uint32_t size);

private:
    struct Registration {
        DvHIDReportCallback report;
        DvHIDTeardownCallback teardown;
        void* context;
    };
    struct Pending {
        uint32_t handle;
        uint32_t code;
        std::vector<uint8_t> data;
    };

    ReportDispatcher() = default;
    void Run();
    void StopThread(std::unique_lock<std::mutex>& lock);
    bool OnDeliveryThread() const { return std::this_thread::get_id() == thread_id_; }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::map<uint32_t, Registration> registrations_;
    std::deque<Pending> queue_;
    std::thread thread_;
    std::thread::id thread_id_{};
    bool stopping_ = false;
    uint32_t delivering_ = 0;
};

}  // namespace dvc::hidlink
