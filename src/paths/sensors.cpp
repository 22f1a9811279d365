#include "paths/sensors.hpp"

#include <array>
#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/value_codec.hpp"
#include "paths/waits.hpp"

namespace dvc::paths {

namespace {

constexpr uint32_t kTemperatureBytes = 2;
constexpr uint32_t kAmbientBusy = 0xFFFFFFFF;
constexpr int kAmbientPolls = 50;
constexpr uint32_t kAmbientPollMs = 100;

constexpr double Hundredths(const uint8_t* bytes) { return static_cast<int16_t>(Field16(bytes)) / 100.0; }

struct TimeForm {
    uint32_t code;
    uint32_t bytes;  // 0: a value
};
constexpr std::array<TimeForm, 3> kTimeForms{{{codes::kCalibrationExecutionTime, 0},
                                              {codes::kCalibrationExecutionTimeLong, 4},
                                              {codes::kCalibrationExecutionTimeShort, 2}}};

// The form of the time that the path reports; the 4-byte form alone for
// revision-9 firmware.
const TimeForm* TimeFormOf(VarnMonitorInterface& path, bool revision9) {
    for (const TimeForm& form : kTimeForms) {
        if (revision9 && form.code != codes::kCalibrationExecutionTimeLong) continue;
        if (SupportedByFixedData(path, form.code)) return &form;
    }
    return nullptr;
}

}  // namespace

int SupportsTemperature(VarnMonitorInterface& path) {
    for (uint32_t code :
         {codes::kTemperatureRequest, codes::kTemperatureBlock, codes::kTemperatureTenths, codes::kTemperature})
        if (SupportedByFixedData(path, code)) return 1;
    return 0;
}

DvError ReadTemperature(VarnMonitorInterface& path, double* celsius) {
    std::vector<uint8_t> block;
    if (SupportedByFixedData(path, codes::kTemperatureRequest)) {
        const std::array<uint8_t, 2> request{0, 0};
        const DvError asked = path.WriteData(codes::kTemperatureRequest, request.data(), 2, 0);
        if (!Usable(asked)) return asked;
        const DvError result = ReadSizedBlock(path, codes::kTemperatureRequest, kTemperatureBytes, block);
        if (Usable(result)) *celsius = Hundredths(block.data());
        return result;
    }
    if (SupportedByFixedData(path, codes::kTemperatureBlock)) {
        const DvError result = ReadSizedBlock(path, codes::kTemperatureBlock, kTemperatureBytes, block);
        if (Usable(result)) *celsius = Hundredths(block.data());
        return result;
    }
    const bool tenths = SupportedByFixedData(path, codes::kTemperatureTenths);
    if (!tenths && !SupportedByFixedData(path, codes::kTemperature)) return DvErrNotSupported;
    uint32_t value = 0;
    const DvError result = path.ReadValue(tenths ? codes::kTemperatureTenths : codes::kTemperature, &value);
    if (Usable(result)) *celsius = static_cast<int32_t>(value) / (tenths ? 10.0 : 1.0);
    return result;
}

int HasSensor(VarnMonitorInterface& path) {
    if (SupportedByFixedData(path, codes::kSensorPresent)) {
        uint32_t present = 0;
        return Usable(path.ReadValue(codes::kSensorPresent, &present)) && present != 0 ? 1 : 0;
    }
    return SupportedByFixedData(path, codes::kCorrelationSensorSN) ? 1 : 0;
}

DvError ReadCalibrationExecutionTime(VarnMonitorInterface& path, bool revision9, int* hours) {
    const TimeForm* form = TimeFormOf(path, revision9);
    if (form == nullptr) return DvErrNotSupported;
    int32_t read = 0;
    const DvError result = form->bytes == 0
                               ? ValueGet<Codes<codes::kCalibrationExecutionTime>, ReadAs::Raw>(path, &read)
                               : BlockFieldGet(path, form->code, 0, form->bytes, &read);
    if (Usable(result)) *hours = read;
    return result;
}

DvError WriteCalibrationExecutionTime(VarnMonitorInterface& path, bool revision9, int hours) {
    if (hours < 0) return DvErrInvalidParameter;
    const TimeForm* form = TimeFormOf(path, revision9);
    if (form == nullptr) return DvErrNotSupported;
    if (form->bytes == 0) return path.WriteValue(form->code, static_cast<uint32_t>(hours), 0);
    return BlockFieldSet(path, form->code, 0, form->bytes, static_cast<uint32_t>(hours));
}

DvError MeasureAmbientLight(VarnMonitorInterface& path, double* lux) {
    DvError result = path.WriteValue(codes::kAmbientLight, 1, 0);
    if (!Usable(result)) return result;
    for (int poll = 0; poll < kAmbientPolls; ++poll) {
        uint32_t value = kAmbientBusy;
        result = path.ReadValue(codes::kAmbientLight, &value);
        if (result < 0 && result != DvErrRefused) return result;
        if (value != kAmbientBusy) {
            *lux = value / 100.0;
            return result;
        }
        Pause(kAmbientPollMs);
    }
    return DvErrTimeout;
}

}  // namespace dvc::paths
