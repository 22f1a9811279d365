// Reads made ahead of the caller: right after discovery a transport asks
// every monitor, all at once, what the caller is about to ask each of them
// one after the other (its identification), and keeps each answer for the
// one call that matches it. A monitor's answers are taken in the order they
// were made; a call that does not match the next one drops the rest, so the
// caller sees exactly what it would have seen asking itself.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "link_cache.hpp"

namespace dvc::transport {

enum class AheadOp : uint8_t { Retrieve, Support, Fixed, Data };

struct AheadAnswer {
    AheadOp op = AheadOp::Support;
    uint32_t code = 0;
    uint32_t size = 0;   // of a data read
    FixedAnswer answer;  // result (the support answer for Support) and fixed data
    std::vector<uint8_t> data;
    uint32_t handle = 0;  // that a Retrieve handed out
};

class ReadAhead {
public:
    void Reset() {
        std::lock_guard lock(mutex_);
        queues_.clear();
    }
    void Add(uint32_t target, AheadAnswer answer) {
        std::lock_guard lock(mutex_);
        queues_[target].push_back(std::move(answer));
    }
    // The answer made ahead for this call, if it is the next one.
    std::optional<AheadAnswer> Take(uint32_t target, AheadOp op, uint32_t code, uint32_t size = 0) {
        std::lock_guard lock(mutex_);
        const auto it = queues_.find(target);
        if (it == queues_.end()) return std::nullopt;
        auto& queue = it->second;
        if (!queue.empty() && queue.front().op == op && queue.front().code == code && queue.front().size == size) {
            AheadAnswer next = std::move(queue.front());
            queue.pop_front();
            return next;
        }
        queues_.erase(it);
        return std::nullopt;
    }
    // What is queued for the monitor, oldest first.
    std::vector<AheadAnswer> Queued(uint32_t target) {
        std::lock_guard lock(mutex_);
        const auto it = queues_.find(target);
        if (it == queues_.end()) return {};
        return {it->second.begin(), it->second.end()};
    }
    // Any other call on the monitor.
    void Drop(uint32_t target) {
        std::lock_guard lock(mutex_);
        queues_.erase(target);
    }

private:
    std::mutex mutex_;
    std::unordered_map<uint32_t, std::deque<AheadAnswer>> queues_;
};

// Runs `work(i)` for i in [0, n) on up to kMaxWorkers threads (one monitor
// each: a bus serves one transaction at a time, so monitors on different
// buses overlap). Without threads to spare the rest run here.
constexpr uint32_t kMaxWorkers = 64;

template <typename Work>
void ForEachMonitor(uint32_t n, Work&& work) {
    const uint32_t workers = std::min(n, kMaxWorkers);
    std::vector<std::thread> threads;
    threads.reserve(workers);
    for (uint32_t w = 0; w < workers; ++w) {
        auto run = [&work, w, workers, n] {
            for (uint32_t i = w; i < n; i += workers) {
                try {
                    work(i);
                } catch (...) {
                    // Nothing made ahead: the caller asks for itself.
                }
            }
        };
        try {
            threads.emplace_back(run);
        } catch (...) {
            run();
        }
    }
    for (auto& t : threads) t.join();
}

}  // namespace dvc::transport
