// One communication path to one monitor. The primitives are small
// transactions on one feature code; each path kind carries them its own way
// (VarnDDCCIMonitor over DDC/CI, VarnHIDMonitor over USB HID). The list of
// primitives, their argument shapes and per-path behaviours is in
// path_slots.hpp; the interface declares them from it in slot order.
//
// Results are DvError values: the transport's own result wherever a
// primitive passes one back, 0x80000009 for an operation the path kind does
// not carry at all, 0x80000007 for one it does not support. 0x80000006 from
// a transport read counts as an answer: the data are used and the value is
// passed back unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "libdvc/dvc_types.h"
#include "paths/path_slots.hpp"

class VarnMonitorInterface {
public:
    VarnMonitorInterface(const VarnMonitorInterface&) = delete;
    VarnMonitorInterface& operator=(const VarnMonitorInterface&) = delete;

#define DVC_DECLARE_PRIMITIVE(slot, name, shape, ddcci, hid) virtual DvError name DVC_PARAMS_##shape = 0;
    DVC_PATH_SLOTS(DVC_DECLARE_PRIMITIVE)
    virtual ~VarnMonitorInterface() = default;
    DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_DECLARE_PRIMITIVE)
#undef DVC_DECLARE_PRIMITIVE

protected:
    VarnMonitorInterface() = default;
    // What every path knows of itself: the transport's name for the monitor
    // (a ddclink index, a hidlink handle) and the monitor's identifier pair.
    VarnMonitorInterface(uint32_t handle, std::string first, std::string second)
        : handle_(handle), first_(std::move(first)), second_(std::move(second)) {}

    // The identifier pair, as the identification primitive gives it.
    DvError Identifiers(const uint32_t&, std::string& first, std::string& second) const {
        first = first_;
        second = second_;
        return DvOk;
    }

    uint32_t handle_ = 0;
    std::string first_;
    std::string second_;
};

namespace dvc::paths {

// Sizes of the fixed buffers that some primitives fill or send.
inline constexpr uint32_t kLutTableBytes = 512;
inline constexpr uint32_t kEdidBytes = 256;

// A transport's result in the library's code space (the two share it).
constexpr DvError AsError(int32_t result) noexcept { return static_cast<DvError>(result); }

// A result that carries usable data: success, or a definite refusal that
// still filled the caller's buffer.
constexpr bool Usable(int32_t result) noexcept { return result >= 0 || result == DvErrRefused; }

}  // namespace dvc::paths
