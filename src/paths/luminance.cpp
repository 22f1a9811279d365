// Luminance in candela, and the luminance ranges of the on-screen display.
#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/picture.hpp"

namespace dvc::paths {

namespace {
constexpr double kCandelaScale = 100.0;  // the wire counts 0.01 cd/m2
constexpr uint32_t kCandelaBytes = 4;
constexpr uint32_t kParamBytes = 6;
constexpr uint32_t kHdrRangeBytes = 4;
}  // namespace

DvError GetCandela(VarnMonitorInterface& path, double* candela, int32_t* status) {
    int32_t raw = 0;
    const DvError result = BlockValueGet(path, codes::kCandela, &raw);
    if (!Usable(result)) return result;
    *candela = static_cast<uint32_t>(raw) / kCandelaScale;
    uint32_t settled = 0;
    if (status != nullptr && SupportedByFixedData(path, codes::kCandelaStatus) &&
        Usable(path.ReadValue(codes::kCandelaStatus, &settled)))
        *status = static_cast<int32_t>(settled);
    return result;
}

DvError SetCandela(VarnMonitorInterface& path, uint32_t hundredths) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, codes::kCandela, &length, kCandelaBytes);
    if (!Usable(checked)) return checked;
    std::vector<uint8_t> block(length, 0);
    PutLittleField(block.data(), kCandelaBytes, hundredths);
    return path.WriteData(codes::kCandela, block.data(), length, 0);
}

DvError GetRangeCandela(VarnMonitorInterface& path, double* maximum, double* minimum) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, codes::kCandela, &length, kCandelaBytes);
    if (!Usable(checked)) return checked;
    uint8_t params[kParamBytes] = {};
    const DvError result = BlockFixedGet(path, codes::kCandelaParam, kParamBytes, params);
    if (!Usable(result)) return result;
    *minimum = LittleField(params, 2) / kCandelaScale;
    *maximum = LittleField(params + 2, 2) / kCandelaScale;
    return result;
}

DvError GetCandelaOSDRangeHDR(VarnMonitorInterface& path, int32_t index, int32_t* maximum, int32_t* minimum) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, codes::kCandelaOSDRangeHDR, kHdrRangeBytes, block);
    if (!Usable(result)) return result;
    if (index < 0 || static_cast<std::size_t>(index) >= block.size() / kHdrRangeBytes) return DvErrInvalidParameter;
    const uint8_t* range = block.data() + static_cast<std::size_t>(index) * kHdrRangeBytes;
    *minimum = static_cast<int32_t>(LittleField(range, 2));
    *maximum = static_cast<int32_t>(LittleField(range + 2, 2));
    return result;
}

}  // namespace dvc::paths
