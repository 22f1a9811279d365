#include "paths/waits.hpp"

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "platform/sleep.hpp"

namespace dvc::paths {
namespace {

std::atomic<SleepHook> sleepHook{nullptr};
std::atomic<RandomHook> randomHook{nullptr};

uint32_t EngineNumber() {
    // Seeded per thread from the clock and the thread, so that two paths
    // retrying at once do not wait in step.
    thread_local std::minstd_rand engine{static_cast<std::minstd_rand::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        static_cast<long long>(std::hash<std::thread::id>{}(std::this_thread::get_id())))};
    return static_cast<uint32_t>(engine());
}

}  // namespace

WaitHooks SetWaitHooks(WaitHooks hooks) {
    WaitHooks before;
    before.sleep = sleepHook.exchange(hooks.sleep);
    before.random = randomHook.exchange(hooks.random);
    return before;
}

void Pause(uint32_t milliseconds) {
    if (SleepHook hook = sleepHook.load()) {
        hook(milliseconds);
        return;
    }
    platform::Sleep(milliseconds);
}

uint32_t RetryPauseMilliseconds() {
    const RandomHook hook = randomHook.load();
    const uint32_t number = hook != nullptr ? hook() : EngineNumber();
    return number % 20 + 1;
}

}  // namespace dvc::paths
