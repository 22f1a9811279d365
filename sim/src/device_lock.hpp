// The HID device lock of one monitor: re-entrant for the thread that holds
// it, and, when the monitors' state lives in a file, also held against
// other processes through a lock file beside it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace dvc::sim {

class DeviceLock {
public:
    // `lock_file`: empty for a lock within this process only.
    explicit DeviceLock(std::string lock_file) : lock_file_(std::move(lock_file)) {}
    ~DeviceLock();
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    // 0, or the timeout result when another holder keeps it past `wait`.
    int32_t Enter(std::chrono::milliseconds wait);
    // 0, or a failure when the calling thread does not hold it.
    int32_t Exit();

private:
    bool TryFile();
    void ReleaseFile();

    std::string lock_file_;
    std::mutex mutex_;
    std::condition_variable released_;
    std::thread::id owner_{};
    uint32_t depth_ = 0;
    int fd_ = -1;
};

}  // namespace dvc::sim
