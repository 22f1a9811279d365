// The waits of the per-path operations: the fixed pauses of polls and the
// short random pauses between tagged-transfer retries. They go through
// replaceable hooks so that tests can count them instead of sleeping.
#pragma once

#include <cstdint>

namespace dvc::paths {

using SleepHook = void (*)(uint32_t milliseconds);
using RandomHook = uint32_t (*)();

struct WaitHooks {
    SleepHook sleep = nullptr;    // null: the platform's Sleep
    RandomHook random = nullptr;  // null: a per-thread pseudo-random engine
};

// Installs hooks for every thread and returns the ones before.
WaitHooks SetWaitHooks(WaitHooks hooks);

// Waits `milliseconds` through the sleep hook.
void Pause(uint32_t milliseconds);

// A retry pause of 1 to 20 ms: the random source modulo 20, plus 1.
uint32_t RetryPauseMilliseconds();

}  // namespace dvc::paths
