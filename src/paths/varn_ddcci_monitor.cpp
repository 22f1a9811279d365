#include "paths/varn_ddcci_monitor.hpp"

#include <utility>

#include "ddclink/ddclink.h"
#include "paths/value_codec.hpp"

using dvc::paths::AsError;
using dvc::paths::Usable;

VarnDDCCIMonitor::VarnDDCCIMonitor(std::string first, std::string second, uint32_t handle)
    : handle_(handle), first_(std::move(first)), second_(std::move(second)) {}

VarnDDCCIMonitor::~VarnDDCCIMonitor() = default;

DvError VarnDDCCIMonitor::Identifiers(const uint32_t&, std::string& first, std::string& second) {
    first = first_;
    second = second_;
    return DvOk;
}

DvError VarnDDCCIMonitor::Support(const uint32_t& code, int32_t* flag) {
    if (flag == nullptr) return DvErrInvalidParameter;
    *flag = DvDDCCIIsSupported(handle_, code);
    return DvOk;
}

// Maximum and minimum are asked only of a control the monitor has.
DvError VarnDDCCIMonitor::Range(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum) {
    const int32_t supported = DvDDCCIIsSupported(handle_, code);
    if (flag != nullptr) *flag = supported;
    if (supported == 0) return DvOk;
    return AsError(DvDDCCIGetFixedData(handle_, code, maximum, minimum, nullptr));
}

DvError VarnDDCCIMonitor::RangeAlways(const uint32_t& code, int32_t* flag, int32_t* maximum,
                                      int32_t* minimum) {
    const int32_t supported = DvDDCCIIsSupported(handle_, code);
    if (flag != nullptr) *flag = supported;
    uint32_t length = 0;
    return AsError(DvDDCCIGetFixedData(handle_, code, maximum, minimum, &length));
}

DvError VarnDDCCIMonitor::ValueRead(const uint32_t& code, uint32_t* value) {
    return AsError(DvDDCCIGetValue(handle_, code, value));
}

DvError VarnDDCCIMonitor::ValueReadKeep(const uint32_t& code, uint32_t* value) {
    uint32_t word = 0;
    const int32_t r = DvDDCCIGetValue(handle_, code, &word);
    if (value != nullptr) *value = word;
    return AsError(r);
}

DvError VarnDDCCIMonitor::ValueWrite(const uint32_t& code, uint32_t value) {
    return AsError(DvDDCCISetValue(handle_, code, &value));
}

DvError VarnDDCCIMonitor::ValueWrite(const uint32_t& code, const uint32_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    return ValueWrite(code, *value);
}

DvError VarnDDCCIMonitor::BoolRead(const uint32_t& code, int* out) {
    uint32_t word = 0;
    const int32_t r = DvDDCCIGetValue(handle_, code, &word);
    if (out != nullptr) *out = word != 0 ? 1 : 0;
    return AsError(r);
}

DvError VarnDDCCIMonitor::BoolWrite(const uint32_t& code, int value) {
    return ValueWrite(code, value != 0 ? 1u : 0u);
}

DvError VarnDDCCIMonitor::BoolWrite(const uint32_t& code, const int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    return BoolWrite(code, *value);
}

// The value read's own result is not weighed: a monitor that has the control
// and reports a maximum is taken to have answered.
DvError VarnDDCCIMonitor::RatioRead(const uint32_t& code, double* ratio, uint32_t* raw) {
    if (DvDDCCIIsSupported(handle_, code) == 0) return DvErrNotSupported;
    int32_t maximum = 0;
    if (DvDDCCIGetFixedData(handle_, code, &maximum, nullptr, nullptr) < 0 || maximum == 0) return DvErrFailed;
    uint32_t value = raw != nullptr ? *raw : 0;
    DvDDCCIGetValue(handle_, code, &value);
    if (raw != nullptr) *raw = value;
    if (ratio != nullptr) *ratio = dvc::paths::RatioOf(value, maximum);
    return DvOk;
}

DvError VarnDDCCIMonitor::RatioWrite(const uint32_t& code, const double* ratio, const uint32_t* raw,
                                     const int* useRaw) {
    if (useRaw != nullptr && *useRaw != 0) return ValueWrite(code, raw);
    if (ratio == nullptr || !dvc::paths::AcceptableRatio(*ratio)) return DvErrInvalidParameter;
    int32_t maximum = 0;
    DvDDCCIGetFixedData(handle_, code, &maximum, nullptr, nullptr);
    if (maximum == 0) return DvErrFailed;
    return ValueWrite(code, dvc::paths::TruncatedRaw(maximum, *ratio));
}

DvError VarnDDCCIMonitor::Bounds(uint32_t code, int32_t& maximum, int32_t& minimum) {
    maximum = 0;
    minimum = 0;
    return AsError(DvDDCCIGetFixedData(handle_, code, &maximum, &minimum, nullptr));
}

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
    return ValueWrite(code, static_cast<uint32_t>(*value));
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
    if (const DvError bounds = Bounds(code, maximum, minimum); bounds < 0) return bounds;
    if (value != nullptr) {
        *value = static_cast<int32_t>(raw - static_cast<uint32_t>(dvc::paths::RangeMiddle(maximum, minimum)));
    }
    return AsError(r);
}

DvError VarnDDCCIMonitor::WriteBlackLevel(const uint32_t& code, const int32_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    int32_t maximum = 0;
    int32_t minimum = 0;
    if (const DvError bounds = Bounds(code, maximum, minimum); bounds < 0) return bounds;
    return ValueWrite(code, static_cast<uint32_t>(*value) +
                                static_cast<uint32_t>(dvc::paths::RangeMiddle(maximum, minimum)));
}

DvError VarnDDCCIMonitor::WriteSaveValue(const uint32_t& code, uint32_t value) {
    return ValueWrite(code, value & 0xFFFFu);
}

DvError VarnDDCCIMonitor::ReadFixedData(uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                                        uint32_t* length) {
    if (flag != nullptr) *flag = DvDDCCIIsSupported(handle_, code);
    return AsError(DvDDCCIGetFixedData(handle_, code, maximum, minimum, length));
}

DvError VarnDDCCIMonitor::WriteValue(uint32_t code, uint32_t value, uint32_t) {
    return ValueWrite(code, value);
}

DvError VarnDDCCIMonitor::ReadData(uint32_t code, void* buffer, uint32_t size) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    return AsError(DvDDCCIGetData(handle_, code, buffer, size));
}

DvError VarnDDCCIMonitor::WriteData(uint32_t code, const void* buffer, uint32_t size, uint32_t) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    return AsError(DvDDCCISetData(handle_, code, buffer, size));
}
