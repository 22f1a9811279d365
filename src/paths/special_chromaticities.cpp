// Chromaticity of the primaries and white: from the monitor's own
// chromaticity controls when it has them, else from its EDID.
#include <array>

#include "paths/special_edid_chromaticity.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace {
constexpr std::array<uint32_t, 4> kChromaticityCodes = {0x44, 0x45, 0x46, 0x47}; // red, green, blue, white
}

DvError VarnMonitorInterface::GetRGBWChromaticities(colour* red, colour* green, colour* blue, colour* white) {
    const std::array<colour*, 4> records = {red, green, blue, white};
    for (colour* record : records) {
        if (record == nullptr) return DvErrInvalidParameter;
    }
    int32_t flag = 0;
    QueryChromaticityRange(kChromaticityCodes[0], &flag, nullptr, nullptr);
    if (flag != 0) {
        // The controls' results are not weighed: a colour the monitor does
        // not report keeps what the caller had.
        for (size_t i = 0; i < records.size(); ++i) ReadChromaticity(kChromaticityCodes[i], &records[i]->x, &records[i]->y);
        return DvOk;
    }
    std::array<uint8_t, dvc::paths::kEdidBytes> edid{};
    if (ReadEDID(edid.data()) < 0) return DvErrFailed;
    for (size_t i = 0; i < records.size(); ++i) {
        *records[i] = colour{};
        const auto point = dvc::paths::EdidChromaticity(edid.data(), static_cast<int>(i));
        records[i]->x = point.x;
        records[i]->y = point.y;
    }
    return DvOk;
}
