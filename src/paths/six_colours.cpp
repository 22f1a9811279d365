#include "paths/six_colours.hpp"

#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::paths {

namespace {

using Hues =
    Codes<codes::kHueRed, codes::kHueGreen, codes::kHueBlue, codes::kHueCyan, codes::kHueMagenta, codes::kHueYellow>;
using Saturations = Codes<codes::kSaturationRed, codes::kSaturationGreen, codes::kSaturationBlue,
                          codes::kSaturationCyan, codes::kSaturationMagenta, codes::kSaturationYellow>;

uint32_t CodeOf(SixColourControl control, int position) {
    return control == SixColourControl::Hue ? Hues::kList[static_cast<std::size_t>(position)]
                                            : Saturations::kList[static_cast<std::size_t>(position)];
}

uint32_t BlockOf(SixColourControl control) {
    return control == SixColourControl::Hue ? codes::kHue2 : codes::kSaturation2;
}

constexpr uint32_t kItemBytes = 2;

bool Inside(int position) { return ChannelInTable<Hues>(position); }

int32_t Signed16(uint32_t field) { return static_cast<int16_t>(static_cast<uint16_t>(field)); }

}  // namespace

DvError SixColourRange(VarnMonitorInterface& path, SixColourControl control, int32_t* flag, int32_t* maximum,
                       int32_t* minimum) {
    const uint32_t code = CodeOf(control, 0);
    return control == SixColourControl::Hue ? path.QueryHueRange(code, flag, maximum, minimum)
                                            : path.QuerySaturationRange(code, flag, maximum, minimum);
}

DvError ReadSixColour(VarnMonitorInterface& path, SixColourControl control, int position, uint32_t* raw) {
    if (!Inside(position)) return DvErrFailed;
    const uint32_t code = CodeOf(control, position);
    return control == SixColourControl::Hue ? path.ReadHue(code, raw) : path.ReadSaturation(code, raw);
}

DvError WriteSixColour(VarnMonitorInterface& path, SixColourControl control, int position, uint32_t raw) {
    if (!Inside(position)) return DvErrFailed;
    const uint32_t code = CodeOf(control, position);
    return control == SixColourControl::Hue ? path.WriteHue(code, &raw) : path.WriteSaturation(code, &raw);
}

DvError LightnessRange(VarnMonitorInterface& path, int32_t* flag, int32_t* maximum, int32_t* minimum) {
    *flag = 0;
    return path.ReadFixedData(codes::kLightness, maximum, minimum, flag, nullptr);
}

DvError ReadLightness(VarnMonitorInterface& path, std::array<uint8_t, kColours>& raw) {
    return BlockFixedGet(path, codes::kLightness, kColours, raw.data());
}

DvError WriteLightness(VarnMonitorInterface& path, const std::array<uint8_t, kColours>& raw) {
    return BlockFixedSet(path, codes::kLightness, kColours, raw.data());
}

DvError ReadSixColour2(VarnMonitorInterface& path, SixColourControl control, int position, int32_t* value) {
    if (!Inside(position)) return DvErrFailed;
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, BlockOf(control), kColours * kItemBytes, block);
    if (Usable(result)) *value = Signed16(LittleField(block.data() + position * kItemBytes, kItemBytes));
    return result;
}

DvError WriteSixColour2(VarnMonitorInterface& path, SixColourControl control, int position, int32_t value) {
    if (!Inside(position)) return DvErrFailed;
    if (value < INT16_MIN || value > INT16_MAX) return DvErrInvalidParameter;
    std::vector<uint8_t> block;
    const DvError read = ReadSizedBlock(path, BlockOf(control), kColours * kItemBytes, block);
    if (!Usable(read)) return read;
    PutLittleField(block.data() + position * kItemBytes, kItemBytes, static_cast<uint16_t>(value));
    return path.WriteData(BlockOf(control), block.data(), static_cast<uint32_t>(block.size()), 0);
}

}  // namespace dvc::paths
