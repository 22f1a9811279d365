// Colour patches and the pixel error analyzer.
#include "features/keys_osd.hpp"
#include "features/path_rules.hpp"
#include "features/table_rows.hpp"
#include "paths/colour_patches.hpp"
#include "paths/pixel_error_analyzer.hpp"
#include "registry/model_record.hpp"

namespace dvc::features {

namespace {
bool Byte(int value) { return value >= 0 && value <= 0xFF; }
}  // namespace

DvError ShowColorPatchFixed(VarnMonitor& monitor, int patch) {
    if (!Byte(patch)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ShowColorPatchFixed(path, static_cast<uint8_t>(patch));
    });
}

DvError ShowColorPatch(VarnMonitor& monitor, int red, int green, int blue) {
    if (!Byte(red) || !Byte(green) || !Byte(blue)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ShowColorPatch(path, static_cast<uint8_t>(red), static_cast<uint8_t>(green),
                                     static_cast<uint8_t>(blue));
    });
}

DvError HideColorPatch(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::HideColorPatch(path); });
}

// The bits per component of the patches: the model's self-calibration LUT
// depth, 8 where the model gives none.
DvError GetColorPatchBitDepth(VarnMonitor& monitor, int* bits) {
    if (bits == nullptr) return DvErrInvalidParameter;
    if (Run<rows::SupportedColorPatch>(monitor) == 0) return DvErrNotSupported;
    if (monitor.Record() == nullptr) return DvErrFailed;
    const uint32_t depth = monitor.Record()->Word(registry::word::kSelfCalLutDepth);
    *bits = depth != 0 ? static_cast<int>(depth) : 8;
    return DvOk;
}

DvError GetPixelErrorAnalyzerInfo(VarnMonitor& monitor, DvPixelErrorAnalyzerInfo* info) {
    if (info == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::ReadPixelErrorAnalyzer(path, info); });
}

DvError StartPixelErrorAnalyzer(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(),
                       [](VarnMonitorInterface& path) { return paths::StartPixelErrorAnalyzer(path); });
}

DvError StopPixelErrorAnalyzer(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::StopPixelErrorAnalyzer(path); });
}

}  // namespace dvc::features
