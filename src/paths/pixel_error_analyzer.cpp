#include "paths/pixel_error_analyzer.hpp"

#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/value_codec.hpp"

namespace dvc::paths {

namespace {
// The target-selection mode that hands the picture to the analyzer.
constexpr uint32_t kAnalyzerTarget = 0x80;
constexpr uint32_t kRecordBytes = 3;

DvError TargetMode(VarnMonitorInterface& path, int32_t* mode) {
    return BlockFieldGet(path, codes::kTargetSelection, 0, 1, mode);
}
}  // namespace

DvError ReadPixelErrorAnalyzer(VarnMonitorInterface& path, DvPixelErrorAnalyzerInfo* info) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, codes::kPixelErrorAnalyzer, kRecordBytes, block);
    if (!Usable(result)) return result;
    int32_t mode = 0;
    const bool targeted = Usable(TargetMode(path, &mode)) && static_cast<uint32_t>(mode) == kAnalyzerTarget;
    *info = DvPixelErrorAnalyzerInfo{targeted ? 1 : 0, block[0], Field16(&block[1])};
    return result;
}

DvError StartPixelErrorAnalyzer(VarnMonitorInterface& path) {
    if (!SupportedByFixedData(path, codes::kPixelErrorAnalyzer)) return DvErrNotSupported;
    return BlockFieldSet(path, codes::kTargetSelection, 0, 1, kAnalyzerTarget);
}

DvError StopPixelErrorAnalyzer(VarnMonitorInterface& path) {
    if (!SupportedByFixedData(path, codes::kPixelErrorAnalyzer)) return DvErrNotSupported;
    int32_t mode = 0;
    const DvError read = TargetMode(path, &mode);
    if (!Usable(read) || static_cast<uint32_t>(mode) != kAnalyzerTarget) return read;
    return BlockFieldSet(path, codes::kTargetSelection, 0, 1, 0);
}

}  // namespace dvc::paths
