#include "selfcal/v5_objects.hpp"

#include <algorithm>

#include "platform/checked_convert.hpp"

namespace dvc::selfcal {

namespace {
constexpr uint32_t On(bool b) { return b ? 1u : 0u; }
}  // namespace

TargetV5::TargetV5(const Capabilities& caps) : lutSize(caps.lutSize) {
    flags.fill(1);
    for (auto f : {kTgId, kTgBlackLuminance, kTgCalPriority, kTgHlgSystemGamma, kTgHlgClipping, kTgLutAdjustable,
                   kTgLutThreshold, kTgLutValue})
        flags[f] = On(caps.targetA);
    flags[kTgGamutClipping] = On(caps.targetA || caps.targetB);
    flags[kTgEnable] = On(caps.targetB);
    flags[kTgLimited109] = On(caps.limited109);
}

void TargetV5::SetIdInt16(uint16_t value) {
    id.fill(0);
    id[0] = static_cast<uint8_t>(value & 0xFF);
    id[1] = static_cast<uint8_t>(value >> 8);
}

ResultV5::ResultV5(const Capabilities& caps) {
    flags.fill(1);
    flags[kRsBlack] = On(caps.resultA || caps.resultB);
    flags[kRsTargetGammaIndex] = On(caps.resultB || caps.resultC || caps.resultD);
    // The measured black and the Limited109 colours came with the longer result item.
    flags[kRsMeasuredBlack] = On(caps.resultA && caps.resultALength >= 149);
}

SettingV5::SettingV5(const Capabilities& caps) : lutSize(caps.lutSize) {
    flags.fill(1);
    for (auto f : {kStGammaArea, kStGamma, kStHlgSystemGamma, kStHlgClipping, kStLut}) flags[f] = On(caps.settingA);
    flags[kStLimited109] = On(caps.limited109);
    for (auto& channel : lut) channel.assign(lutSize, 0.0);
}

void GammaByIndex(int32_t index, uint32_t& type, int32_t& outIndex, double& value) {
    type = 0;
    outIndex = index;
    value = index >= 1 && index <= 17 ? 1.3 + 0.1 * index : 0.0;
}

void GammaByValue(double given, uint32_t& type, int32_t& index, double& value) {
    type = 1;
    value = given;
    index = 0;
    if (!(given >= 1.4 && given <= 3.0)) return;
    int32_t k = 0;
    if (!CheckedToInt(given * 100.0 + 0.5, k)) return;
    if (k % 10 == 0) index = k / 10 - 13;
}

uint32_t LutSizeForDepth(uint32_t depth) {
    if (depth == 8) return 256;
    if (depth == 10) return 1024;
    return 0;
}

}  // namespace dvc::selfcal
