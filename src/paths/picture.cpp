// Colour processing switched off and back, the primaries' chromaticity, the
// gamma code and the regulator level.
#include "paths/picture.hpp"

#include <array>
#include <new>

#include "paths/edid_chromaticity.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/waits.hpp"

namespace dvc::paths {

using codes::k3DLut;
using codes::kColorDisable;
using codes::kPUCTCStatus;

namespace {

bool ReadsNonZero(VarnMonitorInterface& path, uint32_t code) {
    uint32_t value = 0;
    path.ReadValue(code, &value);
    return value != 0;
}

// Writing the tone-curve state makes the monitor rebuild its curve; the
// picture then needs `waitMs` to settle.
void RefreshToneCurve(VarnMonitorInterface& path, uint32_t waitMs) {
    path.WriteValue(kPUCTCStatus, 1, 0);
    Pause(waitMs);
}

}  // namespace

DvError SetColorDisable(VarnMonitorInterface& path, uint32_t value, uint32_t* previous, uint32_t waitMs) {
    uint32_t before = 0;
    if (Usable(path.ReadValue(kColorDisable, &before)) && previous != nullptr) *previous = before;
    const DvError result = path.WriteValue(kColorDisable, value, 0);
    if (value == 1 && before == 0 && waitMs != 0) RefreshToneCurve(path, waitMs);
    return result;
}

DvError DisableColorForCandelaUpdate(VarnMonitorInterface& path, DvColorDisableState** state, uint32_t waitMs) {
    if (state == nullptr) return DvErrInvalidParameter;
    auto* record = new (std::nothrow) DvColorDisableState{0, 0};
    if (record == nullptr) return DvErrFailed;
    record->colourWasDisabled = ReadsNonZero(path, kColorDisable) ? 1 : 0;
    record->lutWasOn = !SupportedByFixedData(path, k3DLut) || ReadsNonZero(path, k3DLut) ? 1 : 0;

    uint32_t before = 0;
    path.ReadValue(kColorDisable, &before);
    path.WriteValue(kColorDisable, 1, 0);
    if (before == 0 && waitMs != 0) RefreshToneCurve(path, waitMs);
    path.WriteValue(k3DLut, 0, 0);
    *state = record;
    return DvOk;
}

// The reverse order of switching off: the LUT first, then colour. The LUT
// write's result is not weighed (a monitor without the LUT refuses it).
DvError RestoreDisableColorForCandelaUpdate(VarnMonitorInterface& path, const DvColorDisableState& state) {
    path.WriteValue(k3DLut, state.lutWasOn, 0);
    return path.WriteValue(kColorDisable, state.colourWasDisabled, 0);
}

DvError GetRGBWChromaticities(VarnMonitorInterface& path, colour* red, colour* green, colour* blue, colour* white) {
    constexpr std::array<uint32_t, 4> kControls = {codes::kChromaticity, codes::kChromaticityGreen,
                                                   codes::kChromaticityBlue, codes::kChromaticityWhite};
    const std::array<colour*, 4> records = {red, green, blue, white};
    for (colour* record : records) {
        if (record == nullptr) return DvErrInvalidParameter;
    }
    int32_t flag = 0;
    path.QueryChromaticityRange(kControls[0], &flag, nullptr, nullptr);
    if (flag != 0) {
        // The controls' results are not weighed: a colour the monitor does
        // not report keeps what the caller had.
        for (size_t i = 0; i < records.size(); ++i) path.ReadChromaticity(kControls[i], &records[i]->x, &records[i]->y);
        return DvOk;
    }
    std::array<uint8_t, kEdidBytes> edid{};
    if (path.ReadEDID(edid.data()) < 0) return DvErrFailed;
    for (size_t i = 0; i < records.size(); ++i) {
        *records[i] = colour{};
        const auto point = EdidChromaticity(edid.data(), static_cast<int>(i));
        records[i]->x = point.x;
        records[i]->y = point.y;
    }
    return DvOk;
}

namespace {
using GammaCodes = Codes<codes::kGamma, codes::kGammaSecond>;
}  // namespace

DvError ReadGammaCode(VarnMonitorInterface& path, uint32_t* code) {
    return EachCode<GammaCodes>([&](uint32_t c) {
        uint32_t value = 0;
        const DvError result = path.ReadGamma(c, &value);
        if (Usable(result)) *code = value;
        return result;
    });
}

DvError WriteGammaCode(VarnMonitorInterface& path, uint32_t code) {
    return EachCode<GammaCodes>([&](uint32_t c) { return path.WriteGamma(c, code); });
}

DvError WriteBrightRegulatorLevel(VarnMonitorInterface& path, int32_t level) {
    return path.WriteValue(codes::kBrightRegulator, static_cast<uint32_t>(level), 0);
}

}  // namespace dvc::paths
