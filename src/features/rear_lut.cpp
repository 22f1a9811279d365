#include "features/rear_lut.hpp"

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::features {

namespace {

// The direct rear-LUT transfer is there on the current panel generation
// (the record's panel word 0) only.
bool KeepsRearLutInRom(const VarnMonitor& monitor) {
    return monitor.Record() != nullptr && monitor.Record()->Word(registry::word::kPanelGeneration) == 0;
}

}  // namespace

int SupportedRearLUT(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(),
                   [](VarnMonitorInterface& path) { return paths::SupportFlag(path, codes::kRearLut); });
}

int GetRearLUTSize(VarnMonitor& monitor) {
    int32_t length = 0;
    const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::FixedLength(path, codes::kRearLut, &length);
    });
    return paths::Usable(result) && length > 0 ? length : 0;
}

DvError GetRearLUTDirectWithROM(VarnMonitor& monitor, uint8_t* data, int* size) {
    if (size == nullptr || *size < 0 || (data == nullptr && *size != 0)) return DvErrInvalidParameter;
    if (!KeepsRearLutInRom(monitor)) return DvErrNotSupported;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::BlockRawGet(path, codes::kRearLut, data, size);
    });
}

DvError SetRearLUTDirectWithROM(VarnMonitor& monitor, const uint8_t* data, int size) {
    if (data == nullptr || size <= 0) return DvErrInvalidParameter;
    if (!KeepsRearLutInRom(monitor)) return DvErrNotSupported;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::BlockRawSet(path, codes::kRearLut, data, size);
    });
}

}  // namespace dvc::features
