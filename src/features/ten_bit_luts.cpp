#include "features/ten_bit_luts.hpp"

#include <vector>

#include "features/luts.hpp"
#include "features/path_rules.hpp"
#include "features/table_rows.hpp"
#include "paths/feature_codes.hpp"
#include "paths/lut_encodings.hpp"
#include "paths/lut_tables.hpp"

namespace dvc::features {

namespace {

constexpr uint32_t kFullScale = 0xFFC0;
constexpr uint32_t kWordBytes = 2;
constexpr int kChannels = 3;
constexpr paths::TableCodes kLut10bit{codes::kLut10bitSelect, codes::kLut10bitData, 4};
constexpr paths::TableCodes kMediaEmu{codes::kMediaEmu1DLutSelect, codes::kMediaEmu1DLutData, 4};

bool BadChannel(int channel) { return channel < 0 || channel >= kChannels; }

DvError ReadLevels(VarnMonitor& monitor, const paths::TableCodes& where, uint32_t table, double* levels) {
    std::vector<uint8_t> bytes(kTenBitEntries * kWordBytes);
    const DvError result = FirstAnswer(
        monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::ReadTable(path, where, table, bytes); });
    if (!paths::Usable(result)) return result;
    const auto words = paths::UnpackTableWords(bytes, kWordBytes);
    for (std::size_t i = 0; i < words.size(); ++i) levels[i] = static_cast<double>(words[i]) / kFullScale;
    return result;
}

// Every level is converted before the first block is sent.
DvError WriteLevels(VarnMonitor& monitor, const paths::TableCodes& where, uint32_t table, const double* levels) {
    std::vector<uint32_t> words(kTenBitEntries);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto word = paths::LinearWord(levels[i], kFullScale);
        if (!word) return DvErrOutOfUnitRange;
        words[i] = *word;
    }
    const auto bytes = paths::PackTableWords(words, kWordBytes);
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::WriteTable(path, where, table, bytes); });
}

DvError CheckLut10bit(VarnMonitor& monitor, int channel, const void* levels) {
    if (levels == nullptr || BadChannel(channel)) return DvErrInvalidParameter;
    return Run<rows::SupportedLUT10bit>(monitor) != 0 ? DvOk : DvErrNotSupported;
}

// The emulation's table number; emulations the model does not have are refused.
DvError CheckMediaEmu(VarnMonitor& monitor, int index, int channel, const void* levels, uint32_t& table) {
    if (levels == nullptr || BadChannel(channel) || index < 0) return DvErrInvalidParameter;
    if (SupportedMediaEmu(monitor) == 0) return DvErrNotSupported;
    if (static_cast<uint32_t>(index) >= monitor.Record()->mediaEmulationCount) return DvErrInvalidParameter;
    table = static_cast<uint32_t>(index * kChannels + channel);
    return DvOk;
}

}  // namespace

DvError GetLUT10bit(VarnMonitor& monitor, int channel, double* levels) {
    if (const DvError bad = CheckLut10bit(monitor, channel, levels)) return bad;
    return ReadLevels(monitor, kLut10bit, static_cast<uint32_t>(channel), levels);
}

DvError SetLUT10bit(VarnMonitor& monitor, int channel, const double* levels) {
    if (const DvError bad = CheckLut10bit(monitor, channel, levels)) return bad;
    return WriteLevels(monitor, kLut10bit, static_cast<uint32_t>(channel), levels);
}

DvError GetMediaEmu1DLUT(VarnMonitor& monitor, int index, int channel, double* levels) {
    uint32_t table = 0;
    if (const DvError bad = CheckMediaEmu(monitor, index, channel, levels, table)) return bad;
    return ReadLevels(monitor, kMediaEmu, table, levels);
}

DvError SetMediaEmu1DLUT(VarnMonitor& monitor, int index, int channel, const double* levels) {
    uint32_t table = 0;
    if (const DvError bad = CheckMediaEmu(monitor, index, channel, levels, table)) return bad;
    return WriteLevels(monitor, kMediaEmu, table, levels);
}

}  // namespace dvc::features
