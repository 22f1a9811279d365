#include "selfcal/older_records.hpp"

#include <array>
#include <vector>

#include "colour/rgb_to_xyz.hpp"
#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "selfcal/codes_tables.hpp"
#include "selfcal/paged_container.hpp"
#include "selfcal/v5_fixed_point.hpp"

namespace dvc::selfcal::older {
namespace {

using Block = std::vector<uint8_t>;
namespace ct = codes_table;
constexpr double kChroma = fixed::kChromaticityScale;

uint32_t U16(const Block& b, std::size_t at) { return paged::ReadLE(b, at, 2); }
void PutU16(Block& b, std::size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}
// A chromaticity pair at `at`: x then y, in units of 0.0001.
colour XY(const Block& b, std::size_t at) {
    colour c{};
    c.x = U16(b, at) / kChroma;
    c.y = U16(b, at + 2) / kChroma;
    return c;
}
bool PutXY(Block& b, std::size_t at, const colour& c) {
    uint16_t x = 0, y = 0;
    if (!fixed::RoundHalfUp(c.x, kChroma, x) || !fixed::RoundHalfUp(c.y, kChroma, y)) return false;
    PutU16(b, at, x);
    PutU16(b, at + 2, y);
    return true;
}

DvError Read(VarnMonitorInterface& path, uint32_t code, Block& block) {
    return path.ReadData(code, block.data(), static_cast<uint32_t>(block.size()));
}

// Fields may change only part of a block: the rest is read first and kept.
template <class Fill>
DvError Rewrite(VarnMonitorInterface& path, uint32_t code, uint32_t size, Fill&& fill) {
    Block block(size, 0);
    const DvError result = Read(path, code, block);
    if (!paths::Usable(result)) return result;
    if (!fill(block)) return DvErrInvalidParameter;
    return path.WriteData(code, block.data(), size, 0);
}

// Bytes 0 to 22, shared by both target blocks.
struct TargetCommon {
    uint16_t id, luminance, colorTemperature;
    uint8_t colorGamut;
    colour white, red, green, blue;
};
TargetCommon Common(const Block& b) {
    return {static_cast<uint16_t>(U16(b, 0)),
            static_cast<uint16_t>(U16(b, 2)),
            static_cast<uint16_t>(U16(b, 8)),
            b[10],
            XY(b, 4),
            XY(b, 11),
            XY(b, 15),
            XY(b, 19)};
}
bool PutCommon(Block& b, const TargetCommon& t) {
    PutU16(b, 0, t.id);
    PutU16(b, 2, t.luminance);
    PutU16(b, 8, t.colorTemperature);
    b[10] = t.colorGamut;
    return PutXY(b, 4, t.white) && PutXY(b, 11, t.red) && PutXY(b, 15, t.green) && PutXY(b, 19, t.blue);
}

// The gamut as the version-3 record holds it, back to its byte.
bool GamutByte(uint32_t value, uint8_t& code) {
    if (value == 1) return code = 0, true;
    if (value == 255) return code = 1, true;
    if (value < 2 || value > 49) return false;
    code = static_cast<uint8_t>(value + 206);
    return true;
}

}  // namespace

DvError ReadTargetV1(VarnMonitorInterface& path, DvSelfCalibrationTarget* out) {
    Block b(kTargetV1Bytes, 0);
    const DvError result = Read(path, codes::kSelfCalTargetV1, b);
    if (!paths::Usable(result) || out == nullptr) return result;
    const TargetCommon t = Common(b);
    *out = DvSelfCalibrationTarget{};
    out->id = t.id;
    out->luminance = t.luminance;
    out->white = t.white;
    out->colorTemperature = t.colorTemperature;
    out->colorGamut = t.colorGamut;
    out->red = t.red, out->green = t.green, out->blue = t.blue;
    out->gammaCode = b[23];
    return result;
}

DvError WriteTargetV1(VarnMonitorInterface& path, const DvSelfCalibrationTarget& in) {
    return Rewrite(path, codes::kSelfCalTargetV1, kTargetV1Bytes, [&](Block& b) {
        if (in.gammaCode > 0xFF) return false;
        b[23] = static_cast<uint8_t>(in.gammaCode);
        return PutCommon(
            b, {in.id, in.luminance, in.colorTemperature, in.colorGamut, in.white, in.red, in.green, in.blue});
    });
}

DvError ReadTargetV3(VarnMonitorInterface& path, bool hasV3, DvSelfCalibrationTargetV3* out) {
    Block b(hasV3 ? kTargetV3Bytes : kTargetV1Bytes, 0);
    const DvError result = Read(path, hasV3 ? codes::kSelfCalTargetV3 : codes::kSelfCalTargetV1, b);
    if (!paths::Usable(result) || out == nullptr) return result;
    const TargetCommon t = Common(b);
    *out = DvSelfCalibrationTargetV3{};
    out->enable = hasV3 ? b[25] : 1;
    out->id = t.id;
    out->luminance = t.luminance;
    out->white = t.white;
    out->colorTemperature = ct::ColorTemperatureFromOlderCode(t.colorTemperature);
    out->colorGamut = ct::ColorGamutFromOlderCode(t.colorGamut);
    out->red = t.red, out->green = t.green, out->blue = t.blue;
    out->gammaIndex = static_cast<uint32_t>(ct::GammaIndexFromByte(b[23]));
    out->gamutClipping = hasV3 ? b[24] : 0;
    return result;
}

DvError WriteTargetV3(VarnMonitorInterface& path, bool hasV3, const DvSelfCalibrationTargetV3& in) {
    const uint32_t code = hasV3 ? codes::kSelfCalTargetV3 : codes::kSelfCalTargetV1;
    return Rewrite(path, code, hasV3 ? kTargetV3Bytes : kTargetV1Bytes, [&](Block& b) {
        uint16_t luminance = 0, temperature = 0;
        uint8_t gamut = 0, gamma = 0;
        if (!fixed::RoundHalfUp(in.luminance, 1.0, luminance) || !GamutByte(in.colorGamut, gamut) ||
            !ct::ColorTemperatureToOlderCode(in.colorTemperature, temperature) ||
            !ct::GammaByteFromIndex(static_cast<int32_t>(in.gammaIndex), gamma) || in.gamutClipping > 0xFF ||
            in.enable > 0xFF)
            return false;
        b[23] = gamma;
        if (hasV3) {
            b[24] = static_cast<uint8_t>(in.gamutClipping);
            b[25] = static_cast<uint8_t>(in.enable);
        }
        return PutCommon(b, {in.id, luminance, temperature, gamut, in.white, in.red, in.green, in.blue});
    });
}

DvError ReadResultV1(VarnMonitorInterface& path, DvSelfCalibrationResult* out) {
    Block b(kResultV1Bytes, 0);
    const DvError result = Read(path, codes::kSelfCalResultV1, b);
    if (!paths::Usable(result) || out == nullptr) return result;
    DvSelfCalibrationResult r{};
    r.firstWord = static_cast<uint16_t>(U16(b, 0));
    r.luminance = static_cast<uint16_t>(U16(b, 2));
    r.white = XY(b, 4);
    r.white.Y = r.luminance;
    r.red = XY(b, 8), r.green = XY(b, 12), r.blue = XY(b, 16);
    r.targetGammaIndex = U16(b, 20);
    // The primaries' luminances and every X and Z follow from the white
    // point; without a matrix the colours keep what was read.
    colour_math::CompletePrimaryLuminances(r.red, r.green, r.blue, r.white);
    *out = r;
    return result;
}

DvError WriteResultV1(VarnMonitorInterface& path, const DvSelfCalibrationResult& in) {
    return Rewrite(path, codes::kSelfCalResultV1, kResultV1Bytes, [&](Block& b) {
        if (in.targetGammaIndex > 0xFFFF) return false;
        PutU16(b, 0, in.firstWord);
        PutU16(b, 2, in.luminance);
        PutU16(b, 20, in.targetGammaIndex);
        return PutXY(b, 4, in.white) && PutXY(b, 8, in.red) && PutXY(b, 12, in.green) && PutXY(b, 16, in.blue);
    });
}

DvError ReadSettingV1(VarnMonitorInterface& path, DvSelfCalibrationResultSetting* out) {
    Block b(kSettingV1Bytes, 0);
    const DvError result = Read(path, codes::kSelfCalResultSettingV1, b);
    if (!paths::Usable(result) || out == nullptr) return result;
    DvSelfCalibrationResultSetting s{};
    s.recordTag = U16(b, 0);
    s.contrast = U16(b, 2);
    for (std::size_t i = 0; i < 9; ++i) {
        s.gainMatrix[i] = fixed::FromMatrixElement(paged::ReadLE(b, 4 + 4 * i, 4));
        s.emulationMatrix[i] = fixed::FromMatrixElement(paged::ReadLE(b, 40 + 4 * i, 4));
    }
    *out = s;
    return result;
}

DvError WriteSettingV1(VarnMonitorInterface& path, const DvSelfCalibrationResultSetting& in) {
    if (in.recordTag > 0xFFFF || in.contrast > 0xFFFF) return DvErrInvalidParameter;
    Block b(kSettingV1Bytes, 0);
    PutU16(b, 0, in.recordTag);
    PutU16(b, 2, in.contrast);
    for (std::size_t i = 0; i < 18; ++i) {
        int32_t wire = 0;
        if (!fixed::MatrixElement(i < 9 ? in.gainMatrix[i] : in.emulationMatrix[i - 9], wire))
            return DvErrInvalidParameter;
        const auto u = static_cast<uint32_t>(wire);
        for (std::size_t k = 0; k < 4; ++k) b[4 + 4 * i + k] = static_cast<uint8_t>(u >> (8 * k));
    }
    return path.WriteData(codes::kSelfCalResultSettingV1, b.data(), kSettingV1Bytes, 0);
}

}  // namespace dvc::selfcal::older
