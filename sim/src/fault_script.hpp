// Scripted faults, matched against each transaction. Guarded by the
// simulator's lock.
#pragma once

#include <random>
#include <vector>

#include "dvcsim/faults.hpp"

namespace dvc::sim {

class FaultScript {
public:
    uint32_t Add(const FaultRule& rule);
    void Remove(uint32_t id);
    void Clear() { rules_.clear(); }
    void Seed(uint64_t seed) { rng_.seed(seed); }
    uint32_t Hits(uint32_t id) const;

    // The rule that fires for this call, if any (its counters advance).
    const FaultRule* Match(Link link, const std::string& serial, Op op, uint32_t code);
    // Seeded random bytes for garbage data.
    void Garbage(uint8_t* out, uint32_t size);
    uint32_t GarbageValue() { return static_cast<uint32_t>(rng_()); }

private:
    struct Rule {
        uint32_t id;
        FaultRule rule;
        uint32_t seen = 0;
        uint32_t fired = 0;
    };
    std::vector<Rule> rules_;
    uint32_t next_id_ = 1;
    std::mt19937_64 rng_{1};
};

}  // namespace dvc::sim
