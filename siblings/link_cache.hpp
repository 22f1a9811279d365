// What a transport keeps of each connected monitor so that it need not ask
// again: support answers and fixed data (range, support flag, length). A
// monitor cannot change them while it stays connected, so the front answers
// them from here without a transaction. Current values and data blocks are
// never kept. A monitor's entries go on any transport error, and all of
// them at discovery and release. DVC_LINK_CACHE=off sends every call to
// the monitor, for those who want to see each call on the wire.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "libdvc/dvc_types.h"

namespace dvc::transport {

// The answers by which a monitor says something about the request; any
// other failure is the link's and may mean the monitor went away.
constexpr bool IsLinkError(int32_t result) noexcept {
    switch (result) {
    case DvErrNotSupported:
    case DvErrRefused:
    case DvErrSizeMismatch:
    case DvErrInvalidParameter:
    case DvErrNullOutput:
    case DvErrNoData: return false;
    default: return result < 0;
    }
}

struct FixedAnswer {
    int32_t result = 0;
    int32_t maximum = 0;
    int32_t minimum = 0;
    int32_t flag = 0;
    uint32_t length = 0;
};

// The caller's out-values seed a fixed-data call: where the backend writes
// nothing, they stand.
inline FixedAnswer SeedFrom(const int32_t* maximum, const int32_t* minimum, const int32_t* flag,
                            const uint32_t* length) {
    FixedAnswer seed;
    if (maximum != nullptr) seed.maximum = *maximum;
    if (minimum != nullptr) seed.minimum = *minimum;
    if (flag != nullptr) seed.flag = *flag;
    if (length != nullptr) seed.length = *length;
    return seed;
}

// An answer or a refusal gives the caller its range and length.
inline void CopyOut(const FixedAnswer& a, int32_t* maximum, int32_t* minimum, uint32_t* length) {
    if (a.result < 0 && a.result != DvErrRefused) return;
    if (maximum != nullptr) *maximum = a.maximum;
    if (minimum != nullptr) *minimum = a.minimum;
    if (length != nullptr) *length = a.length;
}

class LinkCache {
public:
    // Only monitors of the current list are kept (DDC/CI indices below the
    // count of the last discovery, HID handles that it handed out).
    void Reset() {
        const char* setting = std::getenv("DVC_LINK_CACHE");
        std::lock_guard lock(mutex_);
        monitors_.clear();
        known_.clear();
        enabled_ = setting == nullptr || std::strcmp(setting, "off") != 0;
    }
    bool Enabled() {
        std::lock_guard lock(mutex_);
        return enabled_;
    }
    void Know(uint32_t target) {
        std::lock_guard lock(mutex_);
        if (enabled_) known_.insert(target);
    }

    std::optional<int32_t> Support(uint32_t target, uint32_t code) {
        std::lock_guard lock(mutex_);
        const auto m = monitors_.find(target);
        if (m == monitors_.end()) return std::nullopt;
        const auto it = m->second.support.find(code);
        if (it == m->second.support.end()) return std::nullopt;
        return it->second;
    }
    std::optional<FixedAnswer> Fixed(uint32_t target, uint32_t code) {
        std::lock_guard lock(mutex_);
        const auto m = monitors_.find(target);
        if (m == monitors_.end()) return std::nullopt;
        const auto it = m->second.fixed.find(code);
        if (it == m->second.fixed.end()) return std::nullopt;
        return it->second;
    }

    void KeepSupport(uint32_t target, uint32_t code, int32_t answer) {
        std::lock_guard lock(mutex_);
        if (known_.count(target) != 0) monitors_[target].support[code] = answer;
    }
    void KeepFixed(uint32_t target, uint32_t code, const FixedAnswer& answer) {
        std::lock_guard lock(mutex_);
        if (known_.count(target) != 0) monitors_[target].fixed[code] = answer;
    }

    // After a call on `target` that answered `result`.
    void Check(uint32_t target, int32_t result) {
        if (!IsLinkError(result)) return;
        std::lock_guard lock(mutex_);
        monitors_.erase(target);
    }

private:
    struct Monitor {
        std::unordered_map<uint32_t, int32_t> support;
        std::unordered_map<uint32_t, FixedAnswer> fixed;
    };
    std::mutex mutex_;
    bool enabled_ = true;
    std::unordered_set<uint32_t> known_;
    std::unordered_map<uint32_t, Monitor> monitors_;
};

}  // namespace dvc::transport
