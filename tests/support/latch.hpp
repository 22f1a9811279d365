// A gate that one thread opens and others wait for, with a generous
// time-out so that a broken lock fails the test instead of hanging it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace dvc::test {

class Gate {
public:
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        cv_.notify_all();
    }
    bool Wait(std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        std::unique_lock lock(mutex_);
        return cv_.wait_for(lock, limit, [&] { return open_; });
    }
    bool IsOpen() {
        std::lock_guard lock(mutex_);
        return open_;
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool open_ = false;
};

// How long a test gives a blocked thread to (wrongly) get through.
inline constexpr std::chrono::milliseconds kSettle{60};

}  // namespace dvc::test
