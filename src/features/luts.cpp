#include "features/luts.hpp"

#include <algorithm>
#include <cmath>

#include "features/front_lut.hpp"
#include "features/lut_at_mode.hpp"
#include "features/model.hpp"
#include "features/path_rules.hpp"
#include "features/tonality.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/luts.hpp"
#include "registry/model_groups.hpp"

namespace dvc::features {

namespace {

using paths::ToneLevels;
using paths::ToneWords;
using registry::word::kChannelKinds;
using registry::word::kLutFlags;
using registry::word::kLutMaximum;

// Tonality values whose monitors keep the newer tone LUT, and the one that
// lets a model write the legacy LUT.
constexpr int kNewerLutTonalities[] = {7, 11};
constexpr int kLegacyLutTonality = 28;
// A gamma entry of -1.0 marks a model whose legacy LUT may be written.
constexpr double kLutGammaEntry = -1.0;
// Tonality 10 is the linear curve: the exponent words carry no gamma.
constexpr int kLinearTonality = 10;
constexpr double kExponentGamma = 2.2;
// Legacy word forms, as bits of the model's channel-kind word.
constexpr uint32_t kExponentEncoding = 1;
constexpr uint32_t kLinearEncoding = 2;
// The newer encoding's scale when the model knows its native depth.
constexpr uint32_t kNativeDepthScale = 0xFF00;
constexpr uint32_t kMaxWord = 0xFFFF;

struct Arguments {
    uint32_t table;
    uint32_t bank;
};

// Channel and bank as the paths take them; negative ones are refused.
DvError CheckArguments(int channel, const void* levels, const int* bank, Arguments& out) {
    if (levels == nullptr || bank == nullptr || channel < 0 || *bank < 0) return DvErrInvalidParameter;
    out = {static_cast<uint32_t>(channel), static_cast<uint32_t>(*bank)};
    return DvOk;
}

uint32_t Word(const VarnMonitor& monitor, std::size_t index) { return monitor.Record()->Word(index); }

// The newer encoding's scale, or nothing when the model gives no maximum.
std::optional<uint32_t> NewerScale(const VarnMonitor& monitor) {
    const uint32_t maximum = Word(monitor, kLutMaximum);
    if (maximum == 0) return std::nullopt;
    return monitor.Record()->NativeLutDepth() != 0 ? kNativeDepthScale : maximum;
}

bool HasLutGammaEntry(VarnMonitor& monitor, DvError& end) {
    double gamma = 0.0;
    for (int i = 0;; ++i) {
        end = EnumGamma(monitor, i, &gamma);
        if (end != DvOk) return false;
        if (gamma == kLutGammaEntry) return true;
    }
}

DvError CheckLegacyWrite(VarnMonitor& monitor, int channel) {
    int flag = 0;
    if (SupportedLUT(monitor, channel, &flag) >= 0 && flag == 0) return DvErrNotSupported;
    if (HasTonality(monitor, kLegacyLutTonality)) return DvOk;
    if (registry::InModelGroup(registry::ModelGroup::LegacyLutFamily, monitor.ModelName())) return DvOk;
    DvError end = DvOk;
    return HasLutGammaEntry(monitor, end) ? DvOk : end;
}

// The legacy word form: the exponent word's gamma, or the linear word's
// maximum; DvErrNotSupported when the model lists neither form.
struct LegacyForm {
    bool exponent = false;
    double gamma = kExponentGamma;
    uint32_t maximum = 0;
};
DvError LoadLegacyForm(VarnMonitor& monitor, LegacyForm& form) {
    const uint32_t encodings = Word(monitor, kChannelKinds) & 0xFF;
    if ((encodings & (kExponentEncoding | kLinearEncoding)) == 0) return DvErrNotSupported;
    if (encodings & kExponentEncoding) {
        int tonality = 0;
        GetTonality(monitor, &tonality);
        form.exponent = true;
        form.gamma = tonality == kLinearTonality ? 1.0 : kExponentGamma;
        return DvOk;
    }
    form.maximum = Word(monitor, kLutMaximum);
    return form.maximum == 0 || form.maximum > kMaxWord ? DvErrNotSupported : DvOk;
}

DvError EncodeLegacy(const LegacyForm& form, const double* levels, ToneWords& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (form.exponent) {
            // The exponent form takes levels past 1.0 as long as the word holds them.
            const auto word = paths::ExponentWord(levels[i], form.gamma);
            if (!word) return DvErrOutOfUnitRange;
            words[i] = *word;
        } else {
            const auto word = paths::LinearWord(levels[i], form.maximum);
            if (!word) return DvErrOutOfUnitRange;
            words[i] = static_cast<uint16_t>(*word);
        }
    }
    return DvOk;
}

void DecodeLegacy(const LegacyForm& form, const ToneWords& words, double* levels) {
    for (std::size_t i = 0; i < words.size(); ++i)
        levels[i] =
            form.exponent ? paths::ExponentLevel(words[i], form.gamma) : static_cast<double>(words[i]) / form.maximum;
}

// Full scale of `count` entries of kind `kind`; 0 when it has none. A tone
// LUT is compared in the units of a front-LUT table of its size; 256
// entries on a model without a native depth are in the LUT maximum's.
int64_t ComparisonScale(VarnMonitor& monitor, int kind, int count) {
    const registry::ModelRecord& record = *monitor.Record();
    if (kind == 16) return record.Word(registry::word::kFrontLutPrecision) != 0 && count == 1021 ? 0xFF00 : 0;
    if (kind != 0) return 0;
    if (count == 256 && record.NativeLutDepth() == 0) return record.Word(kLutMaximum);
    return FrontLutScale(monitor, count);
}

// trunc(level × scale + 0.5), or nothing for a level too large to compare.
std::optional<int64_t> Scaled(double level, int64_t scale) {
    const double x = level * static_cast<double>(scale) + 0.5;
    constexpr double kLimit = 9.0e18;
    if (!(x > -kLimit && x < kLimit)) return std::nullopt;
    return static_cast<int64_t>(x);
}

}  // namespace

DvError SupportedLUT(VarnMonitor& monitor, int channel, int* flag) {
    if (flag == nullptr) return DvErrInvalidParameter;
    *flag = 0;
    if (monitor.Record() == nullptr) return DvErrFailed;
    const auto& kinds = monitor.Record()->lutKinds;
    if (std::find(kinds.begin(), kinds.end(), channel) == kinds.end()) return DvOk;
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        int32_t answer = 0;
        const DvError result = paths::SupportToneLut(path, &answer);
        *flag = answer;
        return result;
    });
}

bool UsesNewerLutInterface(VarnMonitor& monitor) {
    const auto fixedDataSupport = [](VarnMonitorInterface& path) { return paths::SupportFlag(path, codes::kLut10bit); };
    if (AnyPath(monitor.Paths(), fixedDataSupport) == 0) return false;
    for (const int tonality : kNewerLutTonalities)
        if (HasTonality(monitor, tonality)) return true;
    return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::SupportsToneLut(path); }) == 0;
}

DvError SetLUT(VarnMonitor& monitor, int channel, const double* levels, const int* bank) {
    Arguments args{};
    if (const DvError bad = CheckArguments(channel, levels, bank, args)) return bad;
    if (monitor.Record() == nullptr) return DvErrFailed;
    if (UsesNewerLutInterface(monitor)) {
        const auto scale = NewerScale(monitor);
        if (!scale) return DvErrFailed;
        ToneLevels copy{};
        std::copy_n(levels, copy.size(), copy.begin());
        const uint32_t flags = Word(monitor, kLutFlags);
        return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
            return paths::WriteToneLevels(path, args.table, copy, *scale, args.bank, flags);
        });
    }
    if (const DvError refused = CheckLegacyWrite(monitor, channel)) return refused;
    LegacyForm form;
    if (const DvError missing = LoadLegacyForm(monitor, form)) return missing;
    ToneWords words{};
    if (const DvError bad = EncodeLegacy(form, levels, words)) return bad;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteToneWords(path, args.table, args.bank, words);
    });
}

DvError GetLUT(VarnMonitor& monitor, int channel, double* levels, const int* bank) {
    Arguments args{};
    if (const DvError bad = CheckArguments(channel, levels, bank, args)) return bad;
    if (monitor.Record() == nullptr) return DvErrFailed;
    if (UsesNewerLutInterface(monitor)) {
        const auto scale = NewerScale(monitor);
        if (!scale) return DvErrFailed;
        const uint32_t flags = Word(monitor, kLutFlags);
        ToneLevels read{};
        const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
            return paths::ReadToneLevels(path, args.table, read, *scale, args.bank, flags);
        });
        if (paths::Usable(result)) std::copy(read.begin(), read.end(), levels);
        return result;
    }
    LegacyForm form;
    if (const DvError missing = LoadLegacyForm(monitor, form)) return missing;
    ToneWords words{};
    const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ReadToneWords(path, args.table, args.bank, words);
    });
    if (paths::Usable(result)) DecodeLegacy(form, words, levels);
    return result;
}

DvError GetLUTAtMode(VarnMonitor& monitor, int mode, int channel, double* levels) {
    if (const DvError absent = CheckAtMode(monitor, levels, paths::kToneLutEntries)) return absent;
    // The mode keeps the three tables of channels 1 to 3, in that order.
    if (channel < 1 || channel > 3 || monitor.Record() == nullptr) return DvErrInvalidParameter;
    const bool newer = UsesNewerLutInterface(monitor);
    const auto scale = NewerScale(monitor);
    LegacyForm form;
    if (newer && !scale) return DvErrFailed;
    if (!newer) {
        if (const DvError missing = LoadLegacyForm(monitor, form)) return missing;
    }
    constexpr uint32_t kTableBytes = 2 * paths::kToneLutEntries;
    std::vector<uint8_t> bytes(kTableBytes);
    const DvError result =
        ReadModeTable(monitor, mode, codes::kModeToneLut, static_cast<uint32_t>(channel - 1) * kTableBytes, bytes);
    if (!paths::Usable(result)) return result;
    const ToneWords words = paths::UnpackWords(bytes.data());
    if (newer) {
        for (std::size_t i = 0; i < words.size(); ++i) levels[i] = static_cast<double>(words[i]) / *scale;
    } else {
        DecodeLegacy(form, words, levels);
    }
    return result;
}

int IsEqualLUT(VarnMonitor& monitor, int kind, const double* first, const double* second, int count, int tolerance) {
    if (first == nullptr || second == nullptr || monitor.Record() == nullptr) return 0;
    // Two empty arrays are equal whatever their scale would be.
    if (count == 0) return 1;
    const int64_t scale = ComparisonScale(monitor, kind, count);
    if (scale == 0) return 0;
    for (int i = 0; i < count; ++i) {
        const auto a = Scaled(first[i], scale);
        const auto b = Scaled(second[i], scale);
        if (!a || !b) return 0;
        const int64_t difference = *a > *b ? *a - *b : *b - *a;
        if (difference > tolerance) return 0;
    }
    return 1;
}

}  // namespace dvc::features
