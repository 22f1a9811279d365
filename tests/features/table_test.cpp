// The feature table against the built-in models. Each model is held to the
// table (the profile check): it answers exactly the codes assigned to it
// below, in the form that the kind of each row using the code asks, and no
// code outside the table without a reason. Then every row's export, called
// as a host calls it, on a model that has the feature and on one that has
// none of its codes: results, argument checks before any traffic, and only
// the row's own codes on the wire.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "api/table_export.hpp"
#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;
using features::Asks;
namespace kinds = features::kinds;

struct Group {
    const char* models;  // O OF2210, C CX2740, G CG3180, M MX2420
    std::vector<uint32_t> codes;
};

// Which built-in models have each code of the table.
const Group kGroups[] = {
    {"OCGM",  // every model: basic controls and the state word
     {kFlags, kScreenSize, kPower, kOSDLanguage, kSave, kDDCCISetting, kAllKeyLock, kSignal, kGainRed, kGainGreen,
      kGainBlue, kPowerSaveState, kBlackLevel, kPowerResolution, kBrightness}},
    {"CGM",  // the current firmware: power and energy, keys and OSD, inputs, signal description
     {kVirtualKey,
      kBackLight,
      kBrightRegulator,
      kPhotoSensorAD,
      kInputSignalMode,
      kFirmwareVersionShort,
      kBrightRegOperation,
      kKeyLockState,
      kGamma,
      kTimeoutKeyLock,
      kBackLightLightingTime,
      kContrastEnhancer,
      kThriftluxSense,
      kPowerLED,
      kVarnLogo,
      kFirmwareVersion,
      kPowerSaveSetting,
      kUSBPowerSave,
      k2ndPowerOffTime,
      kPowerSaveTime,
      kKeyPushCount,
      kInformationOSD,
      kSignalInfoFrame}},
    {"O", {kAutoAdjust, kGammaSecond, kClock, kClockPhase, kPosition}},  // analogue input; gamma on the older code
    {"OC", {kSharpnessNC2}},
    {"C",  // picture-by-picture, audio, USB hub and KVM, Thriftlux, direction sensor, front keys
     {kVisiblePinP,
      kPinPTonality,
      kSplitDisplayMode,
      kThriftluxSenseStatus,
      kThriftluxSenseControl,
      kAudioVolume,
      kAudioMuteSetting,
      kDetailix,
      kLumadapt,
      kThriftluxOptimizer,
      kMonitorDirection,
      kAutoThriftluxSettings,
      kUSBPowerDelivery,
      kUSBSelection,
      kKVMSetting,
      kPinPShortcutKeyVisible,
      kDsActiveWindow,
      kDsPbyPLayout,
      kWholeWindowColorSetting,
      kLayout,
      kFrontKeyShortcut,
      kAccSensorData,
      kThriftluxSensePowerState}},
    {"CG", {kChromaticity, kChromaticityGreen, kChromaticityBlue, kGamutIndex, kSignalInformation, kEDIDDDCWrite}},
    {"CM", {kTargetSelection}},
    {"G", {kMediaEmuEnable, kMediaEmuEnable1DLut, kMediaEmuEnable3DLut, kMediaEmuSelection}},  // media emulation
    {"GM", {kLut10bit}},                                                                       // 10-bit tone LUT
    {"M", {kMonoModelLutSelect, kLutAData}},  // monochrome LUT set, LUT-A block
    {"G", {kMediaEmuSelectionModes}},         // media emulation of each colour mode
    {"G",  // grading: areas, segments, HDR and HLG, matrices, 3D LUT, tone curve, patches, rollbacks
     {kCalibrationState,
      kPanelToneCharMeasureMode,
      kColorPatch,
      kDC5VOutput,
      kIISMode,
      kColorRouteCount,
      kIISAreaSelect,
      kIISArea,
      kSignalTypeSelection,
      kColorBanding,
      kSystemChromaticity,
      kSystemChromaticityRollback,
      kColorDisable,
      kClipping,
      kRangeExtensionSetting,
      kXYZFormat,
      k3DLut,
      k3DLutSelection,
      kPseudoInterlace,
      kRangeExtension,
      kSignalFormat,
      kSafeAreaMarker,
      kOutputSegmentSelect,
      kCandelaOSDRangeHDR,
      kColorPatchFixed,
      kHLGSystemGamma,
      kBlueOnly,
      kLimited109Setting,
      kDshot,
      kSyncSignalEnable,
      kSystemChromaticityAll,
      kSystemChromaticityAllRollback,
      kMaxCandelaKept,
      kColorMatrixEnable,
      kColorMatrixCount,
      kColorMatrix32,
      kGammaTCStatus,
      kGammaTCParameter,
      kGainDefinition,
      kGammaAdjustmentState}},
    {"GM",  // calibrated luminance, uniformity correction, factory luminance, calibration alert
     {kCalibrationAlertTime, kPUCBrightImproveSetting, kCandela, kCandelaParam, kMaxCandela, kPUCPriority,
      kUniformityEnable, kLuminanceType, kPUCEnable, kPUCTCStatus, kFactoryPanelLuminance}},
    {"M",  // reading room: sensors, wall light, dimmer, quality checks, backlight booster, emergency power
     {kDimmerOut, kOutsidePhotoSensorAD, kPowerEmergency, kSubPixelDriveSetting, kPixelErrorAnalyzer,
      kQaSignalSelectSupportMode, kMixedImageCurve, kBlackInsertion, kMonochromeConversion, kLuminanceWarning,
      kBlackLevelLift, kQuickCheck, kInstantBacklightBooster, kWallLightStatus, kWallLightBrightness,
      k2PtBriRegBasisGrad}},
    {"", {kAutoThriftluxSettingsV2}},                                            // newer than every built-in model
    {"CGM", {kColorMode, kFlavor, kResetAtIndex, kSignalWidth, kSignalHeight}},  // colour modes, memories, resolution
    {"C", {kDsCustomKeyLock}},
    {"G", {kModeSkip, kModeOfOutputSegment, kCalibrationExecutionTime}},  // older skip flags, segment modes
    {"M", {kBacklightReplaceInfo, kCalibrationExecutionTimeLong}},
    {"", {kBacklightReplaceInfoOld, kCalibrationExecutionTimeShort}},  // other firmware
    {"CGM", {kAssetTag, kUDI, kUsageTime}},  // storage: asset tag, device identifier, usage time
    {"OCGM", {kUsageTimeOld}},
    {"GM", {kUsageTimeRTC, kCalibrationDataCopy}},
    {"G", {kIFSCalibrationWindow}},
    {"CGM", {kSelfCalState}},  // self-calibration, self-correction and self-QC states
    {"G",                      // scheduled self-calibration and its lock, clocks and targets
     {kSelfCalEnable, kSelfCalClockTime, kSelfTargetPairing, kSelfTargetEnable, kSelfCalMutex,
      kAmbientLightCancelOnSelfCal, kSelfScheduleMenuLock}},
    {"GM", {kSelfCalAgingTime, kCorrelationSensorSN, kSelfCalSchedule, kSelfNextSchedule}},
    {"M",  // self-QC and the quality-assurance items
     {kSelfQCGSCState, kSelfQCLEAState, kSelfQCLEAMeasTiming, kSelfQCRecalForGSCError, kQaSelfDiagnosis,
      kQaSelfCompensationTarget, kQaSelfCompensationBrightParam, kQaSelfCompensationColorBalance, kQaCorrelationData}},
    {"C", {kSelfCorrectionTarget}},
};

// Codes outside the table that the models answer, and why.
const std::pair<std::vector<uint32_t>, const char*> kOutsideTable[] = {
    {{0x0, 0xFF0100DF}, "colour temperature (preset and kelvin: conversions of their own)"},
    {{kContrast}, "contrast (ratio conversions, a range with a default)"},
    {{kHueRed, kHueGreen, kHueBlue, kHueCyan, kHueMagenta, kHueYellow, kSaturationRed, kSaturationGreen,
      kSaturationBlue, kSaturationCyan, kSaturationMagenta, kSaturationYellow, kLightness, kHue2, kSaturation2},
     "six colours (centred values, two interfaces)"},
    {{kModeSettingsSelect, kModeSettings, kCandelaStatus}, "settings stored per colour mode, the luminance's settling"},
    {{kIdentification, kPropertyTags, kFlavors}, "identification, tags, flavors"},
    {{kAssetTag, 0x13, 0xFF000047, 0xFF0000E5}, "asset tag, usage time, unique device identifier"},
    {{0x18, 0x19, 0x72, 0x73, 0x1B, 0x1C}, "LUT blocks (two select/data pairs), 10-bit LUT and tone data"},
    {{kChromaticityWhite, kEdidPage, kEdidData}, "white chromaticity and EDID pages (read with the primaries)"},
    {{kCenterCrossMarker, kSaveSecond, kReset, kSaveThird, 0x9A, kMonitorMutex}, "marker, save, reset, mutex"},
    {{0x5A}, "self-calibration record"},
    {{0xFF1000F0}, "sensors"},
    {{kSelfCalResultTime, kSelfCalElapsedTime, kSelfCalElapsedValue, kSelfCorrectionResult, kSelfIndex,
      kSelfCalControlColorMode, kSelfTargetIndex},
     "self-calibration records, times, modes and targets (encodings of their own)"},
    {{kColorAdjustmentReset, kOutputSegmentConstant, kOutputSegmentProperty, kGenericReport, kGainDefinitionRequest},
     "colour reset pulse, output segment records, generic reports, gain definition request"},
    {{kModeNameSelect, kModeName, kModeSkipAll, kTonality, kTonalityNameSelect, kTonalityName, kTonalitySkipMask},
     "colour mode and Tonality names, skip tables, Tonality"},
    {{kNativeResolutionOld}, "native resolution (older form)"},
    {{kOutputSegmentsEnabled}, "output segments enabled"},
    {{kThriftluxSenseLevel, kThriftluxSenseSensitivity, kThriftluxSenseV2, kThriftluxSenseTime},
     "Thriftlux sense settings and their markers"},
    {{kDsCustomKeyLockRequest, kDsCustomKeyLockAvailable}, "keys the custom key lock can lock"},
    {{kTemperature, kTemperatureTenths, kTemperatureBlock, kAmbientLight}, "temperature and ambient light"},
    {{kRearLut}, "rear LUT (a direct transfer that the panel generation gates)"},
    {{kTagHeader, kTagDescription, kTagBlock128, kTagBlock512, kTagCombinedRead, kTagCombinedWrite}, "tagged storage"},
    {{kColorMatrixSlot, kColorMatrix16, kColorMatrixMask, kAsicMatrix},
     "colour matrix bank (fixed-point forms, slots)"},
    {{k3DLutSelect128, k3DLutData128, k3DLutSelect512, k3DLutData512}, "3D LUT blocks (two select/data pairs)"},
    {{kFrontLutSelect, kFrontLutData, kFrontLutEnable, kLut10bitSelect, kLut10bitData, kMediaEmu1DLutSelect,
      kMediaEmu1DLutData},
     "front, 10-bit and media emulation LUT tables (word forms of their own)"},
    {{kModeTableSelect, kModeToneLut, kModeFrontLut, kModeMatrix32}, "LUTs and matrices kept per colour mode"},
    {{kSelfCalTargetV1, kSelfCalTargetV3, kSelfCalTargetPaged, kSelfCalResultV1, kSelfCalResultSettingV1,
      kSelfCalResultSettingPaged, kSelfCalResultPaged},
     "self-calibration records (paged items and older fixed blocks)"},
};

const std::map<char, WorldMonitor> kModels = {{'O', kOffice}, {'C', kDual}, {'G', kGrading}, {'M', kMedical}};

std::string ModelsWith(uint32_t code) {
    for (const Group& g : kGroups)
        for (uint32_t c : g.codes)
            if (c == code) return g.models;
    ADD_FAILURE() << std::hex << "0x" << code << " is in no group";
    return "";
}

// What one model answers for one code over any of its links.
struct Answer {
    bool supported = false;
    bool value = false;   // a value read succeeds
    int32_t maximum = 0;  // the largest maximum of any link
    uint32_t length = 0;  // the largest block length of any link
};

class FeatureTable : public SimWorld {
protected:
    // Every link of every model, discovered in two rounds (the MX2420's
    // DDC/CI link answers only on communication type 1).
    static std::map<std::pair<char, uint32_t>, Answer> Survey(const std::set<uint32_t>& codes) {
        std::map<std::pair<char, uint32_t>, Answer> answers;
        for (const std::vector<int>& kinds : {std::vector<int>{0, 1}, std::vector<int>{2}}) {
            DvCtrlFind(kinds.data(), static_cast<int>(kinds.size()));
            for (const auto& [letter, m] : kModels) {
                const VarnMonitor* monitor = Monitor(m);
                if (monitor == nullptr) continue;
                for (VarnMonitorInterface* path : monitor->Paths())
                    for (uint32_t code : codes) {
                        int32_t flag = 0, maximum = 0;
                        uint32_t length = 0, value = 0;
                        path->ReadFixedData(code, &maximum, nullptr, &flag, &length);
                        if (flag == 0) continue;
                        Answer& a = answers[{letter, code}];
                        a.supported = true;
                        a.maximum = std::max(a.maximum, maximum);
                        a.length = std::max(a.length, length);
                        a.value = a.value || path->ReadValue(code, &value) >= 0;
                    }
            }
        }
        return answers;
    }

    // Does the row's operation send only its own codes (and those of the
    // range row it asks)?
    template <class R>
    static void OnlyOwnCodes() {
        std::set<uint32_t> own(R::Codes::kList.begin(), R::Codes::kList.end());
        for (const auto& t : dvc::sim::Transactions())
            EXPECT_TRUE(own.count(t.code)) << std::hex << "sent 0x" << t.code << ": " << dvc::sim::Describe(t);
    }
    static void NoTraffic(const char* what) { EXPECT_TRUE(dvc::sim::Transactions().empty()) << what; }

    template <class R>
    void Exercise(const WorldMonitor& m, bool has, bool known = true);

    std::map<std::string, std::function<DvError(const char*, const char*, int*)>> getters_;
};

template <class T>
[[maybe_unused]] constexpr bool kIs = false;

// One row on one model, by its kind. A kind without a case here does not
// compile: a new kind brings its checks.
// An unknown monitor (`known` false) gets the class value of the export.
template <class R>
void FeatureTable::Exercise(const WorldMonitor& m, bool has, bool known) {
    using K = typename R::Kind;
    const auto call = [&](auto... a) { return api::ExportRow<R>(m.serial, m.model, a...); };
    const auto answered = [&](DvError r) { return !known ? r == DvErrFailed : has ? r >= 0 : r < 0; };
    // A write of made-up contents may be refused, but it must reach a monitor that has the feature.
    const auto taken = [&](DvError r) { return answered(r) || (known && has && r == DvErrRefused); };
    const auto refusedFirst = [&](DvError r, const char* what) {
        if (!known && !features::RefusesNull<R>()) return;
        EXPECT_EQ(r, DvErrInvalidParameter) << what;
        EXPECT_TRUE(dvc::sim::Transactions().empty()) << what << " is refused before any traffic";
    };
    dvc::sim::ClearTransactions();
    if constexpr (std::is_same_v<typename K::Signature, int()>) {  // Supported and counts
        const int answer = call();
        EXPECT_EQ(answer > 0, has);
        if constexpr (std::is_same_v<K, kinds::FixedMaxCount>) {
            int32_t maximum = 0;
            if (known && has) Monitor(m)->Paths().front()->ReadFixedData(R::kCode, &maximum, nullptr, nullptr, nullptr);
            EXPECT_EQ(answer, known && has ? maximum : 0) << "the count is the maximum of its code";
        }
    } else if constexpr (std::is_same_v<typename K::Signature, DvError(int*)>) {
        int value = -77;
        EXPECT_TRUE(answered(call(&value))) << value;
        if (known && has && features::ReadOf<R>() == paths::ReadAs::Bool) {
            ASSERT_TRUE(dvc::sim::SetStateValue(m.serial, R::kCode, 5));
            EXPECT_GE(call(&value), 0);
            EXPECT_EQ(value, 1) << "any nonzero value reads as 1";
        }
        dvc::sim::ClearTransactions();
        refusedFirst(call(nullptr), "a null value pointer");
    } else if constexpr (std::is_same_v<typename K::Signature, DvError(int)>) {
        std::string get = R::kName;
        get.replace(0, 3, "Get");
        int value = 0;
        const bool paired = getters_.count(get) && getters_[get](m.serial, m.model, &value) >= 0;
        const DvError result = call(value);
        if (paired && known) {
            // What was read goes back as it was (through the row's switch);
            // a monitor may refuse writes to a reading, never lose them.
            EXPECT_TRUE(result >= 0 || result == DvErrRefused) << "writing back what " << get << " read";
            int again = ~value;
            EXPECT_GE(getters_[get](m.serial, m.model, &again), 0);
            if (result >= 0) {
                EXPECT_EQ(static_cast<uint32_t>(again), paths::Switched(features::SwitchOf<R>(), value));
            }
            if (result >= 0 && features::SwitchOf<R>() != paths::Switch::Raw) {  // a switch folds what it writes
                EXPECT_GE(call(2), 0);
                EXPECT_GE(getters_[get](m.serial, m.model, &again), 0);
                EXPECT_EQ(static_cast<uint32_t>(again), paths::Switched(features::SwitchOf<R>(), 2));
                call(value);
            }
        } else {
            EXPECT_TRUE(taken(result)) << result;
        }
    } else if constexpr (std::is_same_v<K, kinds::Command> || std::is_same_v<K, kinds::ValueCopy>) {
        EXPECT_TRUE(answered(call()));
        if constexpr (std::is_same_v<K, kinds::ValueCopy>) {
            if (known && has) {
                EXPECT_EQ(Stored(m, R::Codes::kList[1]), Stored(m, R::Codes::kList[0]));
            }
        }
    } else if constexpr (std::is_same_v<K, kinds::ChromaticityRange>) {
        double high = -1, low = 2;
        EXPECT_TRUE(answered(call(&high, &low)));
        if (has) {
            EXPECT_GE(high, low);
        }
    } else if constexpr (std::is_same_v<typename K::Signature, DvError(int*, int*)>) {  // the integer ranges
        int high = -1, low = 2;
        EXPECT_TRUE(answered(call(&high, &low)));
        if (has) {
            EXPECT_GE(high, low);
        }
        if (known && (std::is_same_v<K, kinds::RangeFixed> || features::RefusesNull<R>())) {
            dvc::sim::ClearTransactions();
            refusedFirst(call(&high, nullptr), "a null bound");
        }
    } else if constexpr (std::is_same_v<K, kinds::ChannelGet> || std::is_same_v<K, kinds::ChannelSet>) {
        int value = 0;
        if constexpr (std::is_same_v<K, kinds::ChannelGet>) {
            EXPECT_TRUE(answered(call(&value, 2)));
        } else {
            EXPECT_TRUE(taken(call(static_cast<int>(Stored(m, R::Codes::kList[2]).value_or(0)), 2)));
        }
        dvc::sim::ClearTransactions();
        if constexpr (std::is_same_v<K, kinds::ChannelGet>) {
            EXPECT_EQ(call(&value, 3), DvErrFailed);
        } else {
            EXPECT_EQ(call(0, 3), DvErrFailed);
        }
        EXPECT_TRUE(dvc::sim::Transactions().empty()) << "a channel outside the table sends nothing";
    } else if constexpr (std::is_same_v<K, kinds::BlockItemGet>) {
        int value = 0;
        EXPECT_TRUE(answered(call(0, &value)));
        if (has && known) {
            EXPECT_EQ(call(100000, &value), DvErrInvalidParameter);
        }
    } else if constexpr (std::is_same_v<K, kinds::BlockItemSet>) {
        EXPECT_TRUE(taken(call(0, 0)));
        if (has && known) {
            EXPECT_EQ(call(-1, 0), DvErrInvalidParameter);
        }
    } else if constexpr (std::is_same_v<K, kinds::BlockRawGet>) {
        int size = 0;
        const DvError sized = call(static_cast<uint8_t*>(nullptr), &size);
        EXPECT_TRUE(has && known ? sized == DvErrSizeMismatch : answered(sized)) << sized;
        if (has && known) {
            std::vector<uint8_t> block(static_cast<std::size_t>(size));
            EXPECT_GE(call(block.data(), &size), 0);
        }
    } else if constexpr (std::is_same_v<K, kinds::BlockRawSet>) {
        const uint8_t one = 0;
        EXPECT_TRUE(taken(call(&one, 1)));
        dvc::sim::ClearTransactions();
        refusedFirst(call(static_cast<const uint8_t*>(nullptr), 1), "a null block");
    } else if constexpr (std::is_same_v<K, kinds::BlockFixedGet> || std::is_same_v<K, kinds::BlockFixedSet>) {
        std::vector<uint8_t> block(R::kLength, 0);
        EXPECT_TRUE(taken(call(block.data())));
        dvc::sim::ClearTransactions();
        refusedFirst(call(nullptr), "a null block");
    } else if constexpr (std::is_same_v<K, kinds::BlockXYGet> || std::is_same_v<K, kinds::BlockXYSet>) {
        std::vector<double> xy(2 * R::kPairs, 0.25);
        EXPECT_TRUE(taken(call(xy.data())));
        dvc::sim::ClearTransactions();
        xy[1] = std::nan("");
        if constexpr (std::is_same_v<K, kinds::BlockXYSet>) refusedFirst(call(xy.data()), "a coordinate that is NaN");
        refusedFirst(call(nullptr), "a null array");
    } else if constexpr (std::is_same_v<K, kinds::ForwardGetXY>) {
        double x = -1, y = -1;
        EXPECT_TRUE(answered(call(&x, &y)));
        if (has) {
            EXPECT_TRUE(x >= 0 && y >= 0);
        }
        dvc::sim::ClearTransactions();
        refusedFirst(call(&x, nullptr), "a null y");
    } else if constexpr (std::is_same_v<K, kinds::ForwardSetXY>) {
        EXPECT_TRUE(taken(call(0.3127, 0.329)));
    } else {
        static_assert(kIs<K>, "a row kind without its case in the table suite");
    }
    OnlyOwnCodes<R>();
}

std::set<uint32_t> TableCodes() {
    std::set<uint32_t> codes;
    rows::AllRows::ForEach([&]<class R>() { codes.insert(R::Codes::kList.begin(), R::Codes::kList.end()); });
    return codes;
}

TEST_F(FeatureTable, EveryModelAnswersExactlyItsCodesInTheFormTheirRowsAsk) {
    Activate();
    const std::set<uint32_t> table = TableCodes();
    const auto answers = Survey(table);
    for (uint32_t code : table)
        for (const auto& [letter, m] : kModels)
            EXPECT_EQ(answers.count({letter, code}) != 0, ModelsWith(code).find(letter) != std::string::npos)
                << m.model << std::hex << " and 0x" << code;
    rows::AllRows::ForEach([&]<class R>() {
        for (uint32_t code : R::Codes::kList)
            for (const auto& [letter, m] : kModels) {
                const auto it = answers.find({letter, code});
                if (it == answers.end()) continue;
                const Answer& a = it->second;
                const bool met = R::Kind::kAsks == Asks::Answer || (R::Kind::kAsks == Asks::Value && a.value) ||
                                 (R::Kind::kAsks == Asks::Maximum && a.maximum > 0) ||
                                 (R::Kind::kAsks == Asks::Block && a.length >= features::MinimumBlockLength<R>() &&
                                  a.length <= 4096);
                EXPECT_TRUE(met) << m.model << ": " << R::kName << std::hex << " on 0x" << code;
            }
    });
}

TEST_F(FeatureTable, CodesOutsideTheTableHaveAReason) {
    Activate();
    std::set<uint32_t> known = TableCodes();
    for (const auto& [codes, reason] : kOutsideTable) known.insert(codes.begin(), codes.end());
    for (const dvc::sim::MonitorInfo& m : dvc::sim::Monitors())
        for (dvc::sim::Link link : {dvc::sim::Link::DDCCI, dvc::sim::Link::HID})
            for (uint32_t code : dvc::sim::FeatureCodes(m.serial, link))
                EXPECT_TRUE(known.count(code)) << m.model << " answers 0x" << std::hex << code << " without a reason";
}

// What the property tags claim, as identification reads them, is answered.
TEST_F(FeatureTable, WhatThePropertyTagsClaimIsAnswered) {
    Discover();
    const auto answers = Survey({kFlavors, 0xFF0000F3, k3DLut, 0xFF1000F0, 0x18, 0x72, 0x1B, kUSBSelection});
    for (const auto& [letter, m] : kModels) {
        DvCtrlFind(nullptr, 0);
        const registry::ModelRecord* record = Monitor(m)->Record();
        ASSERT_NE(record, nullptr);
        const auto has = [&, l = letter](uint32_t code) { return answers.count({l, code}) != 0; };
        if (record->ModeCount() > 0) {
            EXPECT_TRUE(has(kFlavors) && has(0xFF0000F3)) << m.model << ": modes";
        }
        if (record->gridCount != 0) {
            EXPECT_TRUE(has(k3DLut)) << m.model << ": 3D LUT";
        }
        if (record->sensorRect[2] != 0) {
            EXPECT_TRUE(has(0xFF1000F0)) << m.model << ": sensor";
        }
        if (!record->lutKinds.empty()) {
            EXPECT_TRUE(has(0x18) || has(0x72)) << m.model << ": LUT kinds";
        }
        if (!record->usbcAltModePorts.empty()) {
            EXPECT_TRUE(has(kUSBSelection)) << m.model << ": USB-C ports";
        }
        if (record->Word(registry::word::kLutFlags) & 2) {
            EXPECT_TRUE(has(0x1B)) << m.model << ": tone data";
        }
    }
}

TEST_F(FeatureTable, EveryRowOnAModelWithItOneWithoutAndAnUnknownOne) {
    Discover();
    rows::AllRows::ForEach([&]<class R>() {
        if constexpr (std::is_same_v<typename R::Kind::Signature, DvError(int*)>)
            getters_[R::kName] = [](const char* s, const char* n, int* v) { return api::ExportRow<R>(s, n, v); };
    });
    rows::AllRows::ForEach([&]<class R>() {
        SCOPED_TRACE(R::kName);
        std::string any;
        for (uint32_t code : R::Codes::kList) any += ModelsWith(code);
        const std::string with = ModelsWith(R::kCode);
        if (!with.empty()) Exercise<R>(kModels.at(with[0]), true);
        for (const auto& [letter, m] : kModels) {
            if (any.find(letter) != std::string::npos) continue;
            Exercise<R>(m, false);
            break;
        }
        Exercise<R>(WorldMonitor{"NOPE0000", "NOPE"}, false, false);
    });
}

}  // namespace
}  // namespace dvc::test
