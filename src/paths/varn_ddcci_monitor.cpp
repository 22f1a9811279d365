#include "paths/varn_ddcci_monitor.hpp"

#include <utility>

#include "ddclink/ddclink.h"
#include "paths/value_codec.hpp"
#include "platform/process.hpp"

using dvc::paths::AsError;
using dvc::paths::Usable;

namespace {

// The behaviours that many primitives share (path_slots.hpp), as ddclink
// calls on one monitor index.
class Wire {
public:
    explicit Wire(uint32_t index) : index_(index) {}

    DvError Support(const uint32_t& code, int32_t* flag) const {
        if (flag == nullptr) return DvErrInvalidParameter;
        *flag = DvDDCCIIsSupported(index_, code);
        return DvOk;
    }

    // Maximum and minimum are asked only of a control the monitor has.
    DvError Range(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum) const {
        const int32_t supported = DvDDCCIIsSupported(index_, code);
        if (flag != nullptr) *flag = supported;
        if (supported == 0) return DvOk;
        return AsError(DvDDCCIGetFixedData(index_, code, maximum, minimum, nullptr));
    }

    DvError RangeAlways(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum) const {
        const int32_t supported = DvDDCCIIsSupported(index_, code);
        if (flag != nullptr) *flag = supported;
        uint32_t length = 0;
        return AsError(DvDDCCIGetFixedData(index_, code, maximum, minimum, &length));
    }

    DvError ValueRead(const uint32_t& code, uint32_t* value) const {
        return AsError(DvDDCCIGetValue(index_, code, value));
    }

    DvError ValueReadKeep(const uint32_t& code, uint32_t* value) const {
        uint32_t word = 0;
        const int32_t r = DvDDCCIGetValue(index_, code, &word);
        if (value != nullptr) *value = word;
        return AsError(r);
    }

    DvError ValueWrite(const uint32_t& code, uint32_t value) const {
        return AsError(DvDDCCISetValue(index_, code, &value));
    }

    DvError ValueWrite(const uint32_t& code, const uint32_t* value) const {
        if (value == nullptr) return DvErrInvalidParameter;
        return ValueWrite(code, *value);
    }

    DvError BoolRead(const uint32_t& code, int* out) const {
        uint32_t word = 0;
        const int32_t r = DvDDCCIGetValue(index_, code, &word);
        if (out != nullptr) *out = word != 0 ? 1 : 0;
        return AsError(r);
    }

    DvError BoolWrite(const uint32_t& code, int value) const { return ValueWrite(code, value != 0 ? 1u : 0u); }

    DvError BoolWrite(const uint32_t& code, const int* value) const {
        if (value == nullptr) return DvErrInvalidParameter;
        return BoolWrite(code, *value);
    }

    // The value read's own result is not weighed: a monitor that has the
    // control and reports a maximum is taken to have answered.
    DvError RatioRead(const uint32_t& code, double* ratio, uint32_t* raw) const {
        if (DvDDCCIIsSupported(index_, code) == 0) return DvErrNotSupported;
        int32_t maximum = 0;
        if (DvDDCCIGetFixedData(index_, code, &maximum, nullptr, nullptr) < 0 || maximum == 0) return DvErrFailed;
        uint32_t value = raw != nullptr ? *raw : 0;
        DvDDCCIGetValue(index_, code, &value);
        if (raw != nullptr) *raw = value;
        if (ratio != nullptr) *ratio = dvc::paths::RatioOf(value, maximum);
        return DvOk;
    }

    DvError RatioWrite(const uint32_t& code, const double* ratio, const uint32_t* raw, const int* useRaw) const {
        if (useRaw != nullptr && *useRaw != 0) return ValueWrite(code, raw);
        if (ratio == nullptr || !dvc::paths::AcceptableRatio(*ratio)) return DvErrInvalidParameter;
        int32_t maximum = 0;
        DvDDCCIGetFixedData(index_, code, &maximum, nullptr, nullptr);
        if (maximum == 0) return DvErrFailed;
        return ValueWrite(code, dvc::paths::TruncatedRaw(maximum, *ratio));
    }

    // The control's (maximum, minimum), or the failed query's result.
    DvError Bounds(uint32_t code, int32_t& maximum, int32_t& minimum) const {
        maximum = 0;
        minimum = 0;
        return AsError(DvDDCCIGetFixedData(index_, code, &maximum, &minimum, nullptr));
    }

private:
    uint32_t index_;
};

}  // namespace

VarnDDCCIMonitor::VarnDDCCIMonitor(std::string first, std::string second, uint32_t index)
    : VarnMonitorInterface(index, std::move(first), std::move(second)) {}

VarnDDCCIMonitor::~VarnDDCCIMonitor() = default;

DVC_PATH_SLOTS(DVC_PATH_DEFINE_DDCCI)
DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_PATH_DEFINE_DDCCI)

DvError VarnDDCCIMonitor::ReadBlock(const uint32_t& code, void* buffer, uint32_t* size) {
    if (size == nullptr) return DvErrInvalidParameter;
    return ReadData(code, buffer, *size);
}

DvError VarnDDCCIMonitor::QueryBlockSize(const uint32_t& code, int32_t* flag, uint32_t* length) {
    if (flag == nullptr) return DvErrInvalidParameter;
    *flag = DvDDCCIIsSupported(handle_, code);
    if (*flag == 0) return DvOk;
    return AsError(DvDDCCIGetFixedData(handle_, code, nullptr, nullptr, length));
}

// The usage time is the control's maximum (hours) and its value (minutes).
DvError VarnDDCCIMonitor::ReadUsageTime(const uint32_t& code, uint16_t* hours, uint8_t* minutes) {
    uint32_t value = 0;
    const int32_t r = DvDDCCIGetValue(handle_, code, &value);
    int32_t maximum = 0;
    const int32_t fixed = DvDDCCIGetFixedData(handle_, code, &maximum, nullptr, nullptr);
    if (r >= 0 && fixed >= 0) {
        if (hours != nullptr) *hours = static_cast<uint16_t>(maximum & 0xFFFF);
        if (minutes != nullptr) *minutes = static_cast<uint8_t>(value & 0xFF);
    }
    return AsError(r);
}

DvError VarnDDCCIMonitor::ReadSignal(const uint32_t& code, uint32_t* value) {
    uint32_t word = 0;
    const int32_t r = DvDDCCIGetValue(handle_, code, &word);
    if (r >= 0 && value != nullptr) *value = word & 0xFFFF;
    return AsError(r);
}

DvError VarnDDCCIMonitor::WriteSignal(const uint32_t& code, const uint16_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    return Wire(handle_).ValueWrite(code, static_cast<uint32_t>(*value));
}

DvError VarnDDCCIMonitor::QueryBlackLevelRange(const uint32_t& code, int32_t* flag, int32_t* maximum,
                                               int32_t* minimum) {
    const int32_t supported = DvDDCCIIsSupported(handle_, code);
    if (flag != nullptr) *flag = supported;
    int32_t high = 0;
    int32_t low = 0;
    uint32_t length = 0;
    const int32_t r = DvDDCCIGetFixedData(handle_, code, &high, &low, &length);
    if (r >= 0 && maximum != nullptr && minimum != nullptr) {
        const int32_t middle = dvc::paths::RangeMiddle(high, low);
        *maximum = static_cast<int32_t>(static_cast<int64_t>(high) - middle);
        *minimum = static_cast<int32_t>(static_cast<int64_t>(low) - middle);
    }
    return AsError(r);
}

DvError VarnDDCCIMonitor::ReadBlackLevel(const uint32_t& code, int32_t* value) {
    uint32_t raw = 0;
    const int32_t r = DvDDCCIGetValue(handle_, code, &raw);
    if (r < 0) return AsError(r);
    int32_t maximum = 0;
    int32_t minimum = 0;
    if (const DvError bounds = Wire(handle_).Bounds(code, maximum, minimum); bounds < 0) return bounds;
    if (value != nullptr) {
        *value = static_cast<int32_t>(raw - static_cast<uint32_t>(dvc::paths::RangeMiddle(maximum, minimum)));
    }
    return AsError(r);
}

DvError VarnDDCCIMonitor::WriteBlackLevel(const uint32_t& code, const int32_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    int32_t maximum = 0;
    int32_t minimum = 0;
    const Wire wire(handle_);
    if (const DvError bounds = wire.Bounds(code, maximum, minimum); bounds < 0) return bounds;
    return wire.ValueWrite(
        code, static_cast<uint32_t>(*value) + static_cast<uint32_t>(dvc::paths::RangeMiddle(maximum, minimum)));
}

DvError VarnDDCCIMonitor::WriteSaveValue(const uint32_t& code, uint32_t value) {
    return Wire(handle_).ValueWrite(code, value & 0xFFFFu);
}

DvError VarnDDCCIMonitor::ReadFixedData(uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                                        uint32_t* length) {
    if (flag != nullptr) *flag = DvDDCCIIsSupported(handle_, code);
    return AsError(DvDDCCIGetFixedData(handle_, code, maximum, minimum, length));
}

DvError VarnDDCCIMonitor::WriteValue(uint32_t code, uint32_t value, uint32_t) {
    return Wire(handle_).ValueWrite(code, value);
}

DvError VarnDDCCIMonitor::ReadData(uint32_t code, void* buffer, uint32_t size) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    return AsError(DvDDCCIGetData(handle_, code, buffer, size));
}

DvError VarnDDCCIMonitor::WriteData(uint32_t code, const void* buffer, uint32_t size, uint32_t) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    return AsError(DvDDCCISetData(handle_, code, buffer, size));
}

// The monitor-held mutex: several processes on one machine agree who drives
// a monitor by keeping the owner's process id in a value of the monitor.
// Read and write are two separate transactions, so the mutex is advisory.
namespace {
constexpr uint32_t kNoOwner = 0;

// Held by another process that still runs.
bool HeldByOther(uint32_t owner, uint32_t self) {
    return owner != kNoOwner && owner != self && dvc::platform::IsProcessRunning(owner);
}
}  // namespace

DvError VarnDDCCIMonitor::AcquireMonitorMutex(const uint32_t& code, int* acquired, int force) {
    int ignored = 0;
    int& done = acquired != nullptr ? *acquired : ignored;
    const uint32_t self = dvc::platform::CurrentProcessId();
    const Wire wire(handle_);
    if (force == 0) {
        uint32_t owner = kNoOwner;
        const DvError read = wire.ValueRead(code, &owner);
        if (read < 0) {
            done = 0;
            return read;
        }
        if (owner == self) {
            done = 1;
            return read;
        }
        if (HeldByOther(owner, self)) {
            done = 0;
            return read;
        }
    }
    // Free, forced, or left behind by a process that has ended.
    const DvError write = wire.ValueWrite(code, self);
    done = write >= 0 ? 1 : 0;
    return write;
}

DvError VarnDDCCIMonitor::ReleaseMonitorMutex(const uint32_t& code, int* released, int force) {
    int ignored = 0;
    int& done = released != nullptr ? *released : ignored;
    const Wire wire(handle_);
    if (force == 0) {
        uint32_t owner = kNoOwner;
        const DvError read = wire.ValueRead(code, &owner);
        if (read < 0) return read;
        if (HeldByOther(owner, dvc::platform::CurrentProcessId())) return read;
    }
    const DvError write = wire.ValueWrite(code, kNoOwner);
    done = write >= 0 ? 1 : 0;
    return write;
}
