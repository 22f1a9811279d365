#include "paths/varn_hid_monitor.hpp"

#include <array>
#include <utility>
#include <vector>

#include "hidlink/hidlink.h"
#include "paths/feature_codes.hpp"
#include "paths/value_codec.hpp"

using dvc::paths::AsError;
using dvc::paths::Usable;

namespace {
using dvc::codes::kFlags;
using dvc::codes::kSignal;
using dvc::codes::kThriftluxSense;
// The signal flag in the state bits of kFlags.
constexpr uint32_t kSignalFlagBit = 1u << 3;
constexpr uint32_t kVolumeOption = 1;
// A 16-bit field at bytes 0 and 1, then a byte: the block shape of usage
// time and of the sense switch.
constexpr uint32_t kSmallBlockBytes = 4;
// The signal block is a 16-bit field with a little room behind it; a device
// that claims more is answering nonsense.
constexpr uint32_t kMaxSignalBlockBytes = 256;

// The behaviours that many primitives share (path_slots.hpp), as hidlink
// calls on one device handle.
class Wire {
public:
    explicit Wire(uint32_t handle) : handle_(handle) {}

    DvError Support(const uint32_t& code, int32_t* flag) const {
        return AsError(DvHIDGetFixedData(handle_, code, nullptr, nullptr, flag, nullptr));
    }

    DvError Range(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum) const {
        return AsError(DvHIDGetFixedData(handle_, code, maximum, minimum, flag, nullptr));
    }

    DvError RangeAlways(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum) const {
        uint32_t length = 0;
        return AsError(DvHIDGetFixedData(handle_, code, maximum, minimum, flag, &length));
    }

    DvError ValueRead(const uint32_t& code, uint32_t* value) const {
        return AsError(DvHIDGetValue(handle_, code, value));
    }

    DvError ValueWrite(const uint32_t& code, uint32_t value) const {
        return AsError(DvHIDSetValue(handle_, code, value, 0));
    }

    DvError ValueWrite(const uint32_t& code, const uint32_t* value) const {
        if (value == nullptr) return DvErrInvalidParameter;
        return ValueWrite(code, *value);
    }

    DvError BoolRead(const uint32_t& code, int* out) const {
        uint32_t word = 0;
        const int32_t r = DvHIDGetValue(handle_, code, &word);
        if (out != nullptr) *out = word != 0 ? 1 : 0;
        return AsError(r);
    }

    DvError BoolWrite(const uint32_t& code, const int* value) const {
        if (value == nullptr) return DvErrInvalidParameter;
        return ValueWrite(code, *value != 0 ? 1u : 0u);
    }

    DvError IntWrite(const uint32_t& code, int value) const { return ValueWrite(code, static_cast<uint32_t>(value)); }

    DvError RatioReadStrict(const uint32_t& code, double* ratio, uint32_t* raw) const {
        return RatioReadWith(code, ratio, raw, false);
    }
    DvError RatioReadLenient(const uint32_t& code, double* ratio, uint32_t* raw) const {
        return RatioReadWith(code, ratio, raw, true);
    }
    DvError RatioWriteChecked(const uint32_t& code, const double* ratio, const uint32_t* raw, const int* useRaw) const {
        return RatioWriteWith(code, ratio, raw, useRaw, true);
    }
    DvError RatioWriteUnchecked(const uint32_t& code, const double* ratio, const uint32_t* raw,
                                const int* useRaw) const {
        return RatioWriteWith(code, ratio, raw, useRaw, false);
    }

private:
    // The fixed-data query's own result is not weighed, only what it
    // reported (`lenient`: only the flag; otherwise a zero maximum fails
    // too). A zero maximum leaves the ratio alone (the lenient read still
    // returns the raw value).
    DvError RatioReadWith(const uint32_t& code, double* ratio, uint32_t* raw, bool lenient) const {
        int32_t maximum = 0;
        int32_t flag = 0;
        DvHIDGetFixedData(handle_, code, &maximum, nullptr, &flag, nullptr);
        if (flag == 0) return lenient ? DvErrNotSupported : DvErrFailed;
        if (maximum == 0 && !lenient) return DvErrFailed;
        uint32_t value = 0;
        const int32_t r = DvHIDGetValue(handle_, code, &value);
        if (Usable(r)) {
            if (raw != nullptr) *raw = value;
            if (ratio != nullptr && maximum != 0) *ratio = dvc::paths::RatioOf(value, maximum);
        }
        return AsError(r);
    }

    // The support flag is weighed only when `checked`.
    DvError RatioWriteWith(const uint32_t& code, const double* ratio, const uint32_t* raw, const int* useRaw,
                           bool checked) const {
        if (useRaw != nullptr && *useRaw != 0) return ValueWrite(code, raw);
        if (ratio == nullptr || !dvc::paths::AcceptableRatio(*ratio)) return DvErrInvalidParameter;
        int32_t maximum = 0;
        int32_t flag = 0;
        DvHIDGetFixedData(handle_, code, &maximum, nullptr, checked ? &flag : nullptr, nullptr);
        if (checked && flag == 0) return DvErrNotSupported;
        return ValueWrite(code, dvc::paths::RoundedRaw(maximum, *ratio));
    }

    uint32_t handle_;
};

}  // namespace

VarnHIDMonitor::VarnHIDMonitor(uint32_t handle, std::string first, std::string second)
    : VarnMonitorInterface(handle, std::move(first), std::move(second)) {}

VarnHIDMonitor::~VarnHIDMonitor() = default;

DVC_PATH_SLOTS(DVC_PATH_DEFINE_HID)
DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_PATH_DEFINE_HID)

DvError VarnHIDMonitor::ReadBlock(const uint32_t& code, void* buffer, uint32_t* size) {
    if (size == nullptr) return DvErrInvalidParameter;
    return ReadData(code, buffer, *size);
}

DvError VarnHIDMonitor::QueryBlockSize(const uint32_t& code, int32_t* flag, uint32_t* length) {
    if (flag == nullptr) return DvErrInvalidParameter;
    return AsError(DvHIDGetFixedData(handle_, code, nullptr, nullptr, flag, length));
}

DvError VarnHIDMonitor::ReadUsageTime(const uint32_t& code, uint16_t* hours, uint8_t* minutes) {
    std::array<uint8_t, kSmallBlockBytes> block{};
    const int32_t r = DvHIDGetData(handle_, code, block.data(), kSmallBlockBytes);
    if (r != DvErrFailed && r != DvErrNotSupported) {
        if (hours != nullptr) *hours = dvc::paths::Field16(block.data());
        if (minutes != nullptr) *minutes = block[2];
    }
    return AsError(r);
}

// The signal is either the 16-bit block of 0x71 or bit 3 of value 0x01.
DvError VarnHIDMonitor::ReadSignal(const uint32_t& code, uint32_t* value) {
    if (code == kSignal) {
        uint32_t length = 0;
        const DvError fixed = ReadFixedData(kSignal, nullptr, nullptr, nullptr, &length);
        if (!Usable(fixed)) return fixed;
        if (length < 2 || length > kMaxSignalBlockBytes) return DvErrFailed;
        std::vector<uint8_t> block(length, 0);
        const int32_t r = DvHIDGetData(handle_, kSignal, block.data(), length);
        if (Usable(r) && value != nullptr) *value = dvc::paths::Field16(block.data());
        return AsError(r);
    }
    if (code == kFlags) {
        uint32_t flags = 0;
        const int32_t r = DvHIDGetValue(handle_, kFlags, &flags);
        if (Usable(r) && value != nullptr) *value = (flags & kSignalFlagBit) != 0 ? 1 : 0;
        return AsError(r);
    }
    return DvErrInvalidParameter;
}

DvError VarnHIDMonitor::WriteSignal(const uint32_t& code, const uint16_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    if (code == kSignal) {
        std::array<uint8_t, 2> field{};
        dvc::paths::PutField16(field.data(), *value);
        return AsError(DvHIDSetData(handle_, kSignal, field.data(), 2, 0));
    }
    if (code == kFlags) {
        uint32_t flags = 0;
        if (!Usable(DvHIDGetValue(handle_, kFlags, &flags))) return DvErrInvalidParameter;
        flags = *value == 1 ? (flags | kSignalFlagBit) : (flags & ~kSignalFlagBit);
        return AsError(DvHIDSetValue(handle_, kFlags, flags, 0));
    }
    return DvErrInvalidParameter;
}

// Volumes up to 0xFF live in the low byte; larger ranges use the whole word.
DvError VarnHIDMonitor::ReadAudioVolume(const uint32_t& code, uint32_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    int32_t maximum = 0;
    if (const int32_t r = DvHIDGetFixedData(handle_, code, &maximum, nullptr, nullptr, nullptr); !Usable(r)) {
        return AsError(r);
    }
    uint32_t word = 0;
    const int32_t r = DvHIDGetValue(handle_, code, &word);
    if (!Usable(r)) return AsError(r);
    *value = maximum < 0x100 ? (word & 0xFF) : word;
    return AsError(r);
}

DvError VarnHIDMonitor::WriteAudioVolume(const uint32_t& code, const uint32_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    return AsError(DvHIDSetValue(handle_, code, *value, kVolumeOption));
}

DvError VarnHIDMonitor::QueryChromaticityRange(const uint32_t& code, int32_t* flag, double* maximum, double* minimum) {
    int32_t high = 0;
    int32_t low = 0;
    const int32_t r = DvHIDGetFixedData(handle_, code, &high, &low, flag, nullptr);
    if (r >= 0 && flag != nullptr && maximum != nullptr && minimum != nullptr) {
        *maximum = dvc::paths::ChromaticityValue(high);
        *minimum = dvc::paths::ChromaticityValue(low);
    }
    return AsError(r);
}

DvError VarnHIDMonitor::ReadChromaticity(const uint32_t& code, double* x, double* y) {
    std::array<uint8_t, 4> block{};
    const int32_t r = DvHIDGetData(handle_, code, block.data(), 4);
    if (Usable(r)) {
        if (x != nullptr) *x = dvc::paths::ChromaticityValue(dvc::paths::Field16(block.data()));
        if (y != nullptr) *y = dvc::paths::ChromaticityValue(dvc::paths::Field16(block.data() + 2));
    }
    return AsError(r);
}

DvError VarnHIDMonitor::WriteChromaticity(const uint32_t& code, const double* x, const double* y) {
    if (x == nullptr || y == nullptr) return DvErrInvalidParameter;
    std::array<uint8_t, 4> block{};
    dvc::paths::PutField16(block.data(), dvc::paths::ChromaticityField(*x));
    dvc::paths::PutField16(block.data() + 2, dvc::paths::ChromaticityField(*y));
    return AsError(DvHIDSetData(handle_, code, block.data(), 4, 0));
}

// The sense switch always lives in byte 2 of block 0xAA, whatever code the
// caller names; it goes through this path's own generic primitives.
DvError VarnHIDMonitor::QueryThriftluxSense(const uint32_t&, int32_t* flag) {
    ReadFixedData(kThriftluxSense, nullptr, nullptr, flag, nullptr);
    return DvOk;
}

DvError VarnHIDMonitor::ReadThriftluxSense(const uint32_t&, int* out) {
    std::array<uint8_t, kSmallBlockBytes> block{};
    const DvError r = ReadData(kThriftluxSense, block.data(), kSmallBlockBytes);
    if (Usable(r) && out != nullptr) *out = block[2] != 0 ? 1 : 0;
    return r;
}

DvError VarnHIDMonitor::WriteThriftluxSense(const uint32_t&, int value) {
    const std::array<uint8_t, kSmallBlockBytes> block{0x00, 0x00, static_cast<uint8_t>(value != 0 ? 1 : 0), 0x00};
    return WriteData(kThriftluxSense, block.data(), kSmallBlockBytes, 0);
}

DvError VarnHIDMonitor::WriteSaveValue(const uint32_t& code, uint32_t value) {
    std::array<uint8_t, 2> field{};
    dvc::paths::PutField16(field.data(), static_cast<uint16_t>(value & 0xFFFF));
    return AsError(DvHIDSetData(handle_, code, field.data(), 2, 0));
}

DvError VarnHIDMonitor::ReadFixedData(uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                                      uint32_t* length) {
    return AsError(DvHIDGetFixedData(handle_, code, maximum, minimum, flag, length));
}

DvError VarnHIDMonitor::WriteValue(uint32_t code, uint32_t value, uint32_t option) {
    return AsError(DvHIDSetValue(handle_, code, value, option));
}

DvError VarnHIDMonitor::ReadData(uint32_t code, void* buffer, uint32_t size) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    return AsError(DvHIDGetData(handle_, code, buffer, size));
}

DvError VarnHIDMonitor::WriteData(uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    return AsError(DvHIDSetData(handle_, code, buffer, size, option));
}

DvError VarnHIDMonitor::WriteDataUnchecked(uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    return AsError(DvHIDSetDataNoCheckResult(handle_, code, buffer, size, option));
}

DvError VarnHIDMonitor::ReportOn(PathReportCallback report, PathTeardownCallback teardown, void* context) {
    return AsError(DvHIDReportON(handle_, report, teardown, context));
}

DvError VarnHIDMonitor::ReportOff() { return AsError(DvHIDReportOFF(handle_)); }

DvError VarnHIDMonitor::SupportsCriticalSection() { return AsError(DvHIDSupportsCriticalSection(handle_)); }

DvError VarnHIDMonitor::EnterCriticalSection() { return AsError(DvHIDEnterCriticalSection(handle_)); }

DvError VarnHIDMonitor::ExitCriticalSection() { return AsError(DvHIDExitCriticalSection(handle_)); }

DvError VarnHIDMonitor::GetHandle(uint32_t* handle) {
    if (handle == nullptr) return DvErrFailed;
    *handle = handle_;
    return DvOk;
}
