#include "fault_script.hpp"

#include <algorithm>

namespace dvc::sim {

uint32_t FaultScript::Add(const FaultRule& rule) {
    rules_.push_back(Rule{next_id_, rule});
    return next_id_++;
}

void FaultScript::Remove(uint32_t id) {
    rules_.erase(std::remove_if(rules_.begin(), rules_.end(), [&](const Rule& r) { return r.id == id; }), rules_.end());
}

uint32_t FaultScript::Hits(uint32_t id) const {
    for (const Rule& r : rules_)
        if (r.id == id) return r.fired;
    return 0;
}

const FaultRule* FaultScript::Match(Link link, const std::string& serial, Op op, uint32_t code) {
    for (Rule& r : rules_) {
        const FaultRule& f = r.rule;
        if (f.op != op || (f.link && *f.link != link) || (!f.serial.empty() && f.serial != serial) ||
            (f.code && *f.code != code))
            continue;
        if (++r.seen <= f.skip) continue;
        if (f.count != 0 && r.fired >= f.count) continue;
        if (f.probability < 1.0 && std::uniform_real_distribution<double>(0.0, 1.0)(rng_) >= f.probability) continue;
        ++r.fired;
        return &r.rule;
    }
    return nullptr;
}

void FaultScript::Garbage(uint8_t* out, uint32_t size) {
    for (uint32_t i = 0; i < size; ++i) out[i] = static_cast<uint8_t>(rng_());
}

}  // namespace dvc::sim
