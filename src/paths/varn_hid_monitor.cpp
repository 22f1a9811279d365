#include "paths/varn_hid_monitor.hpp"

#include <array>
#include <utility>
#include <vector>

#include "hidlink/hidlink.h"
#include "paths/value_codec.hpp"

using dvc::paths::AsError;
using dvc::paths::Usable;

namespace {
constexpr uint32_t kSignalCode = 0x71;
constexpr uint32_t kSignalFlagsCode = 0x01;
constexpr uint32_t kSignalFlagBit = 1u << 3;
constexpr uint32_t kSenseCode = 0xAA;
constexpr uint32_t kVolumeOption = 1;
// A 16-bit field at bytes 0 and 1, then a byte: the block shape of usage
// time and of the sense switch.
constexpr uint32_t kSmallBlockBytes = 4;
// The signal block is a 16-bit field with a little room behind it; a device
// that claims more is answering nonsense.
constexpr uint32_t kMaxSignalBlockBytes = 256;
}  // namespace

VarnHIDMonitor::VarnHIDMonitor(uint32_t handle, std::string first, std::string second)
    : handle_(handle), first_(std::move(first)), second_(std::move(second)) {}

VarnHIDMonitor::~VarnHIDMonitor() = default;

DvError VarnHIDMonitor::Identifiers(const uint32_t&, std::string& first, std::string& second) {
    first = first_;
    second = second_;
    return DvOk;
}

DvError VarnHIDMonitor::Support(const uint32_t& code, int32_t* flag) {
    return AsError(DvHIDGetFixedData(handle_, code, nullptr, nullptr, flag, nullptr));
}

DvError VarnHIDMonitor::Range(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum) {
    return AsError(DvHIDGetFixedData(handle_, code, maximum, minimum, flag, nullptr));
}

DvError VarnHIDMonitor::RangeAlways(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum) {
    uint32_t length = 0;
    return AsError(DvHIDGetFixedData(handle_, code, maximum, minimum, flag, &length));
}

DvError VarnHIDMonitor::ValueRead(const uint32_t& code, uint32_t* value) {
    return AsError(DvHIDGetValue(handle_, code, value));
}

DvError VarnHIDMonitor::ValueWrite(const uint32_t& code, uint32_t value) {
    return AsError(DvHIDSetValue(handle_, code, value, 0));
}

DvError VarnHIDMonitor::ValueWrite(const uint32_t& code, const uint32_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    return ValueWrite(code, *value);
}

DvError VarnHIDMonitor::BoolRead(const uint32_t& code, int* out) {
    uint32_t word = 0;
    const int32_t r = DvHIDGetValue(handle_, code, &word);
    if (out != nullptr) *out = word != 0 ? 1 : 0;
    return AsError(r);
}

DvError VarnHIDMonitor::BoolWrite(const uint32_t& code, const int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    return ValueWrite(code, *value != 0 ? 1u : 0u);
}

DvError VarnHIDMonitor::IntWrite(const uint32_t& code, int value) {
    return ValueWrite(code, static_cast<uint32_t>(value));
}

DvError VarnHIDMonitor::RatioReadStrict(const uint32_t& code, double* ratio, uint32_t* raw) {
    return RatioReadWith(code, ratio, raw, false);
}

DvError VarnHIDMonitor::RatioReadLenient(const uint32_t& code, double* ratio, uint32_t* raw) {
    return RatioReadWith(code, ratio, raw, true);
}

// The fixed-data query's own result is not weighed, only what it reported.
// A zero maximum leaves the ratio alone (the lenient read still returns the
// raw value).
DvError VarnHIDMonitor::RatioReadWith(const uint32_t& code, double* ratio, uint32_t* raw, bool lenient) {
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

DvError VarnHIDMonitor::RatioWriteChecked(const uint32_t& code, const double* ratio, const uint32_t* raw,
                                          const int* useRaw) {
    return RatioWriteWith(code, ratio, raw, useRaw, true);
}

DvError VarnHIDMonitor::RatioWriteUnchecked(const uint32_t& code, const double* ratio, const uint32_t* raw,
                                            const int* useRaw) {
    return RatioWriteWith(code, ratio, raw, useRaw, false);
}

DvError VarnHIDMonitor::RatioWriteWith(const uint32_t& code, const double* ratio, const uint32_t* raw,
                                       const int* useRaw, bool checked) {
    if (useRaw != nullptr && *useRaw != 0) return ValueWrite(code, raw);
    if (ratio == nullptr || !dvc::paths::AcceptableRatio(*ratio)) return DvErrInvalidParameter;
    int32_t maximum = 0;
    int32_t flag = 0;
    DvHIDGetFixedData(handle_, code, &maximum, nullptr, checked ? &flag : nullptr, nullptr);
    if (checked && flag == 0) return DvErrNotSupported;
    return ValueWrite(code, dvc::paths::RoundedRaw(maximum, *ratio));
}

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
    if (code == kSignalCode) {
        uint32_t length = 0;
        const DvError fixed = ReadFixedData(kSignalCode, nullptr, nullptr, nullptr, &length);
        if (!Usable(fixed)) return fixed;
        if (length < 2 || length > kMaxSignalBlockBytes) return DvErrFailed;
        std::vector<uint8_t> block(length, 0);
        const int32_t r = DvHIDGetData(handle_, kSignalCode, block.data(), length);
        if (Usable(r) && value != nullptr) *value = dvc::paths::Field16(block.data());
        return AsError(r);
    }
    if (code == kSignalFlagsCode) {
        uint32_t flags = 0;
        const int32_t r = DvHIDGetValue(handle_, kSignalFlagsCode, &flags);
        if (Usable(r) && value != nullptr) *value = (flags & kSignalFlagBit) != 0 ? 1 : 0;
        return AsError(r);
    }
    return DvErrInvalidParameter;
}

DvError VarnHIDMonitor::WriteSignal(const uint32_t& code, const uint16_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    if (code == kSignalCode) {
        std::array<uint8_t, 2> field{};
        dvc::paths::PutField16(field.data(), *value);
        return AsError(DvHIDSetData(handle_, kSignalCode, field.data(), 2, 0));
    }
    if (code == kSignalFlagsCode) {
        uint32_t flags = 0;
        if (!Usable(DvHIDGetValue(handle_, kSignalFlagsCode, &flags))) return DvErrInvalidParameter;
        flags = *value == 1 ? (flags | kSignalFlagBit) : (flags & ~kSignalFlagBit);
        return AsError(DvHIDSetValue(handle_, kSignalFlagsCode, flags, 0));
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

DvError VarnHIDMonitor::QueryChromaticityRange(const uint32_t& code, int32_t* flag, double* maximum,
                                               double* minimum) {
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
    ReadFixedData(kSenseCode, nullptr, nullptr, flag, nullptr);
    return DvOk;
}

DvError VarnHIDMonitor::ReadThriftluxSense(const uint32_t&, int* out) {
    std::array<uint8_t, kSmallBlockBytes> block{};
    const DvError r = ReadData(kSenseCode, block.data(), kSmallBlockBytes);
    if (Usable(r) && out != nullptr) *out = block[2] != 0 ? 1 : 0;
    return r;
}

DvError VarnHIDMonitor::WriteThriftluxSense(const uint32_t&, int value) {
    const std::array<uint8_t, kSmallBlockBytes> block{0x00, 0x00, static_cast<uint8_t>(value != 0 ? 1 : 0), 0x00};
    return WriteData(kSenseCode, block.data(), kSmallBlockBytes, 0);
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
