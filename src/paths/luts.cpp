#include "paths/luts.hpp"

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::paths {

namespace {

struct PairCodes {
    uint32_t select;
    uint32_t data;
};
constexpr std::array<PairCodes, 2> kPairs{
    {{codes::kLutSelect, codes::kLutData}, {codes::kLutSelectAlt, codes::kLutDataAlt}}};

// Runs `step(select, data)` on the first pair and, only when the path
// answers that the feature is missing, on the second.
template <class Step>
DvError EachPair(Step&& step) {
    DvError result = step(kPairs[0].select, kPairs[0].data);
    if (result == DvErrNotSupported) result = step(kPairs[1].select, kPairs[1].data);
    return result;
}

constexpr uint32_t kToneLutFlag = 1;

}  // namespace

DvError SupportToneLut(VarnMonitorInterface& path, int32_t* flag) {
    return EachPair([&](uint32_t select, uint32_t) {
        *flag = 0;
        return path.QueryLUT(select, flag);
    });
}

int SupportsToneLut(VarnMonitorInterface& path) {
    int32_t flag = 0;
    const DvError result = SupportToneLut(path, &flag);
    return Usable(result) ? flag : 0;
}

DvError ReadToneWords(VarnMonitorInterface& path, uint32_t table, uint32_t bank, ToneWords& words) {
    std::array<uint8_t, 2 * kToneLutEntries> bytes{};
    const DvError result = EachPair(
        [&](uint32_t select, uint32_t data) { return path.ReadLUT(select, data, bytes.data(), table, &bank); });
    if (Usable(result)) words = UnpackWords(bytes.data());
    return result;
}

DvError WriteToneWords(VarnMonitorInterface& path, uint32_t table, uint32_t bank, const ToneWords& words) {
    const auto bytes = PackWords(words);
    return EachPair(
        [&](uint32_t select, uint32_t data) { return path.WriteLUT(select, data, bytes.data(), table, &bank); });
}

DvError WriteToneLevels(VarnMonitorInterface& path, uint32_t table, const ToneLevels& levels, uint32_t scale,
                        uint32_t bank, uint32_t lutFlags) {
    if ((lutFlags & kToneLutFlag) == 0) return DvErrNotSupported;
    ToneWords words{};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const auto word = LinearWord(levels[i], scale);
        if (!word || *word > 0xFFFF) return DvErrOutOfUnitRange;
        words[i] = static_cast<uint16_t>(*word);
    }
    return WriteToneWords(path, table, bank, words);
}

DvError ReadToneLevels(VarnMonitorInterface& path, uint32_t table, ToneLevels& levels, uint32_t scale, uint32_t bank,
                       uint32_t lutFlags) {
    if ((lutFlags & kToneLutFlag) == 0) return DvErrNotSupported;
    if (scale == 0) return DvErrFailed;
    ToneWords words{};
    const DvError result = ReadToneWords(path, table, bank, words);
    if (Usable(result))
        for (std::size_t i = 0; i < levels.size(); ++i) levels[i] = static_cast<double>(words[i]) / scale;
    return result;
}

}  // namespace dvc::paths
