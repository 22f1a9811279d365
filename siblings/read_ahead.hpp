// Reads made ahead of the caller: right after discovery a transport asks
// every monitor, all at once, what the caller is about to ask each of them
// one after the other (its identification), and keeps each answer for the
// one call that matches it. A monitor's answers are taken in the order they
// were made; a call that does not match the next one drops the rest, so the
// caller sees exactly what it would have seen asking itself.
#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <unordered_set>
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
    // While a monitor's answers are still being made, its calls wait.
    void Begin(uint32_t target) {
        std::lock_guard lock(mutex_);
        busy_.insert(target);
    }
    void End(uint32_t target) {
        {
            std::lock_guard lock(mutex_);
            busy_.erase(target);
        }
        idle_.notify_all();
    }
    void Add(uint32_t target, AheadAnswer answer) {
        {
            std::lock_guard lock(mutex_);
            queues_[target].push_back(std::move(answer));
        }
        idle_.notify_all();
    }
    // The answer made ahead for this call, if it is the next one (waiting
    // for it while it is being made).
    std::optional<AheadAnswer> Take(uint32_t target, AheadOp op, uint32_t code, uint32_t size = 0) {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [&] { return busy_.count(target) == 0 || !queues_[target].empty(); });
        auto& queue = queues_[target];
        if (!queue.empty() && queue.front().op == op && queue.front().code == code && queue.front().size == size) {
            AheadAnswer next = std::move(queue.front());
            queue.pop_front();
            return next;
        }
        Settled(lock, target);
        queues_.erase(target);
        return std::nullopt;
    }
    // The first three answers queued for the monitor (its identification),
    // without waiting for the rest.
    std::vector<AheadAnswer> Identification(uint32_t target) {
        std::lock_guard lock(mutex_);
        const auto it = queues_.find(target);
        if (it == queues_.end()) return {};
        return {it->second.begin(), it->second.begin() + std::min<std::ptrdiff_t>(3, std::ssize(it->second))};
    }
    // Any other call on the monitor.
    void Drop(uint32_t target) {
        std::unique_lock lock(mutex_);
        Settled(lock, target);
        queues_.erase(target);
    }

private:
    void Settled(std::unique_lock<std::mutex>& lock, uint32_t target) {
        idle_.wait(lock, [&] { return busy_.count(target) == 0; });
    }
    std::mutex mutex_;
    std::condition_variable idle_;
    std::unordered_set<uint32_t> busy_;
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

// Reads made later, in the background: `rest(i, stop)` for each monitor
// of a list, one worker each (bounded as above), with the monitor's calls
// waiting meanwhile (ReadAhead::Begin/End). Stop cuts the reads short
// between two transactions and waits for the workers.
class AheadWorkers {
public:
    ~AheadWorkers() { Stop(); }

    template <typename Rest>
    void Start(ReadAhead& ahead, const std::vector<uint32_t>& monitors, Rest rest) {
        Stop();
        std::lock_guard lock(mutex_);
        cancel_ = false;
        for (const uint32_t i : monitors) ahead.Begin(i);
        const auto n = static_cast<uint32_t>(monitors.size());
        const uint32_t workers = std::min(n, kMaxWorkers);
        auto run = [this, &ahead, monitors, rest, workers, n](uint32_t w) {
            for (uint32_t k = w; k < n; k += workers) {
                try {
                    if (!cancel_) rest(monitors[k], cancel_);
                } catch (...) {
                    // Nothing more made ahead: the caller asks for itself.
                }
                ahead.End(monitors[k]);
            }
        };
        for (uint32_t w = 0; w < workers; ++w) {
            try {
                threads_.emplace_back(run, w);
            } catch (...) {
                run(w);
            }
        }
    }

    // Waits until every worker has made its reads.
    void Wait() {
        std::lock_guard lock(mutex_);
        for (auto& t : threads_) t.join();
        threads_.clear();
    }

    void Stop() {
        std::lock_guard lock(mutex_);
        cancel_ = true;
        for (auto& t : threads_) t.join();
        threads_.clear();
    }

private:
    std::mutex mutex_;
    std::atomic<bool> cancel_{false};
    std::vector<std::thread> threads_;
};

}  // namespace dvc::transport
