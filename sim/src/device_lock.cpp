#include "device_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "libdvc/dvc_types.h"

namespace dvc::sim {

DeviceLock::~DeviceLock() { ReleaseFile(); }

bool DeviceLock::TryFile() {
    if (lock_file_.empty()) return true;
    if (fd_ < 0) fd_ = ::open(lock_file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return true;  // no shared lock possible: fall back to this process
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
    return false;
}

void DeviceLock::ReleaseFile() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

int32_t DeviceLock::Enter(std::chrono::milliseconds wait) {
    const auto me = std::this_thread::get_id();
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::unique_lock lock(mutex_);
    if (depth_ > 0 && owner_ == me) {
        ++depth_;
        return DvOk;
    }
    while (depth_ > 0) {
        if (released_.wait_until(lock, deadline) == std::cv_status::timeout && depth_ > 0) return DvErrTimeout;
    }
    // Free in this process: take it from other processes too. Polling keeps
    // the wait bounded (flock itself cannot time out).
    while (!TryFile()) {
        if (std::chrono::steady_clock::now() >= deadline) return DvErrTimeout;
        lock.unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        lock.lock();
        if (depth_ > 0) {  // another thread of ours took it meanwhile
            if (released_.wait_until(lock, deadline, [&] { return depth_ == 0; })) continue;
            return DvErrTimeout;
        }
    }
    owner_ = me;
    depth_ = 1;
    return DvOk;
}

int32_t DeviceLock::Exit() {
    std::lock_guard lock(mutex_);
    if (depth_ == 0 || owner_ != std::this_thread::get_id()) return DvErrFailed;
    if (--depth_ == 0) {
        owner_ = std::thread::id{};
        ReleaseFile();
        released_.notify_all();
    }
    return DvOk;
}

}  // namespace dvc::sim
