// Replaces the waits of the per-path operations for one test: each pause is
// recorded instead of slept, and the retry pauses draw from a counter.
#pragma once

#include <cstdint>
#include <numeric>
#include <vector>

#include "paths/waits.hpp"

namespace dvc::test {

class WaitRecorder {
public:
    WaitRecorder() {
        pauses.clear();
        nextRandom = 0;
        previous_ = dvc::paths::SetWaitHooks({&Record, &Draw});
    }
    ~WaitRecorder() { dvc::paths::SetWaitHooks(previous_); }
    WaitRecorder(const WaitRecorder&) = delete;
    WaitRecorder& operator=(const WaitRecorder&) = delete;

    static uint64_t Total() { return std::accumulate(pauses.begin(), pauses.end(), uint64_t{0}); }

    static inline std::vector<uint32_t> pauses;
    static inline uint32_t nextRandom = 0;

private:
    static void Record(uint32_t milliseconds) { pauses.push_back(milliseconds); }
    static uint32_t Draw() { return nextRandom++; }
    dvc::paths::WaitHooks previous_;
};

}  // namespace dvc::test
