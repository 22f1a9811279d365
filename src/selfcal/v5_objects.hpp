// The three self-calibration objects handed to hosts: a target, a result
// and the settings a result produced. Each carries a fixed table of
// availability flags, decided at creation from what the monitor supports,
// and then its property fields. The accessors are generated from
// v5_properties.def; the rules that are more than a copy live here.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "libdvc/dvc_types.h"

namespace dvc::selfcal {

enum class ObjectKind { Target, Result, Setting };

// What the monitor supports, as creation and the transfers need it.
struct Capabilities {
    bool targetA = false, targetB = false, targetC = false;
    bool resultA = false, resultB = false, resultC = false, resultD = false;
    uint32_t resultALength = 0;  // data length of result item A
    bool settingA = false, settingB = false;
    bool limited109 = false;
    uint32_t lutSize = 0;  // 256, 1024 or 0
};

// Flags: one per property or group of properties.
enum TargetFlag {
    kTgId,
    kTgIdInt16,
    kTgLuminance,
    kTgWhite,
    kTgColorTemperature,
    kTgBlackLuminance,
    kTgColorGamut,
    kTgRed,
    kTgGreen,
    kTgBlue,
    kTgGamutClipping,
    kTgGamma,
    kTgCalPriority,
    kTgHlgSystemGamma,
    kTgHlgClipping,
    kTgEnable,
    kTgLutAdjustable,
    kTgLutThreshold,
    kTgLutValue,
    kTgLimited109,
    kTgFlagCount
};
enum ResultFlag {
    kRsError,
    kRsLuminance,
    kRsWhite,
    kRsRed,
    kRsGreen,
    kRsBlue,
    kRsBlack,
    kRsTargetGammaIndex,
    kRsMeasuredBlack,
    kRsFlagCount
};
// The setting's table leads with a flag that is always set and guards nothing.
enum SettingFlag {
    kStLeading,
    kStContrast,
    kStGainMatrix,
    kStEmulationMatrix,
    kStGammaArea,
    kStGamma,
    kStHlgSystemGamma,
    kStHlgClipping,
    kStLimited109,
    kStLut,
    kStFlagCount
};

// HLGSystemGamma before anything sets it.
inline constexpr uint32_t kHlgUnset = 0x80000000u;

class V5Object {
public:
    virtual ~V5Object() = default;
    virtual ObjectKind Kind() const = 0;
};

class TargetV5 final : public V5Object {
public:
    explicit TargetV5(const Capabilities& caps);
    ObjectKind Kind() const override { return ObjectKind::Target; }

    std::array<uint32_t, kTgFlagCount> flags{};
    std::array<uint8_t, 16> id{};
    double luminance = 0.0;
    colour white{};
    uint32_t colorTemperature = 0x10000000u;
    double blackLuminance = 0.0;
    uint32_t colorGamut = 1;
    colour red{}, green{}, blue{};
    uint32_t gamutClipping = 0;
    uint32_t gammaType = 0;
    int32_t gammaIndex = 0;
    double gammaValue = 0.0;
    uint32_t calPriority = 0;
    uint32_t hlgSystemGamma = kHlgUnset;
    uint32_t hlgClipping = 0;
    uint32_t enable = 1;
    std::vector<uint32_t> lutAdjustable;
    std::vector<double> lutThreshold;
    std::vector<double> lutValue;
    uint32_t lutSize = 0;
    uint32_t limited109Optimization = 0;

    uint16_t IdInt16() const { return static_cast<uint16_t>(id[0] | (id[1] << 8)); }
    void SetIdInt16(uint16_t value);
};

class ResultV5 final : public V5Object {
public:
    explicit ResultV5(const Capabilities& caps);
    ObjectKind Kind() const override { return ObjectKind::Result; }

    std::array<uint32_t, kRsFlagCount> flags{};
    uint32_t error = 0xFFFFFFFFu;
    double luminance = 0.0;
    colour white{}, red{}, green{}, blue{}, black{};
    uint32_t targetGammaIndex = 0;
    uint32_t hasMeasuredBlack = 1;
    colour limited109White{}, limited109Red{}, limited109Green{}, limited109Blue{};
};

class SettingV5 final : public V5Object {
public:
    explicit SettingV5(const Capabilities& caps);
    ObjectKind Kind() const override { return ObjectKind::Setting; }

    std::array<uint32_t, kStFlagCount> flags{};
    uint16_t recordTag = 0;  // kept from the monitor and sent back unchanged; no accessor
    uint32_t contrast = 0;
    std::array<double, 9> gainMatrix{};
    std::array<double, 9> emulationMatrix{};
    uint32_t gammaArea = 0;
    uint32_t targetGammaType = 0;
    int32_t targetGammaIndex = 0;
    double targetGammaValue = 0.0;
    uint32_t hlgSystemGamma = kHlgUnset;
    uint32_t hlgClipping = 0;
    uint32_t limited109Setting = 0;
    std::array<std::vector<double>, 3> lut;
    uint32_t lutSize = 0;
};

// Gamma by index: type 0; the value follows for indices 1..17, else 0.0.
void GammaByIndex(int32_t index, uint32_t& type, int32_t& outIndex, double& value);
// Gamma by value: type 1; the index follows when the value is a tenth step
// between 1.4 and 3.0, else 0.
void GammaByValue(double given, uint32_t& type, int32_t& index, double& value);

// The LUT entries for a self-calibration LUT bit depth: 256, 1024 or 0.
uint32_t LutSizeForDepth(uint32_t depth);

}  // namespace dvc::selfcal
