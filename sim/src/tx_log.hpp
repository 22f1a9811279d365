// The transaction log (a bounded ring) and the per-link counters. Not
// thread-safe on its own: the simulator's lock guards it.
#pragma once

#include <array>
#include <deque>

#include "dvcsim/log.hpp"

namespace dvc::sim {

class TxLog {
public:
    void Add(Transaction t, std::chrono::nanoseconds link_time, bool fault);
    std::vector<Transaction> Snapshot() const { return {records_.begin(), records_.end()}; }
    void Clear() { records_.clear(); }
    void SetCapacity(std::size_t n);
    LinkCounters Counters(Link l) const { return counters_[static_cast<std::size_t>(l)]; }
    void ResetCounters() { counters_ = {}; }

private:
    std::deque<Transaction> records_;
    std::size_t capacity_ = 200000;
    std::array<LinkCounters, 2> counters_{};
};

bool IsRead(Op op);
bool IsWrite(Op op);

}  // namespace dvc::sim
