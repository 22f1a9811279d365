#include "features/front_lut.hpp"

#include <vector>

#include "features/lut_at_mode.hpp"
#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/lut_encodings.hpp"
#include "paths/lut_tables.hpp"

namespace dvc::features {

namespace {

using registry::word::kLutMaximum;
using registry::word::kLutWordWidth;

// The depths a front LUT may take, and the front-LUT depth of the model:
// record word 79, the depth of the model's own tables. A front LUT takes
// every standard depth up to its own.
constexpr int kDepths[] = {8, 10, 12};
constexpr uint32_t kChannels = 3;
constexpr paths::TableCodes kCodes{codes::kFrontLutSelect, codes::kFrontLutData, 32};

uint32_t Word(const VarnMonitor& monitor, std::size_t index) {
    return monitor.Record() != nullptr ? monitor.Record()->Word(index) : 0;
}
int OwnDepth(const VarnMonitor& monitor) {
    const uint32_t depth = Word(monitor, registry::word::kSelfCalLutDepth);
    return depth <= 12 ? static_cast<int>(depth) : 0;
}
bool StandardDepth(int bits) { return std::find(std::begin(kDepths), std::end(kDepths), bits) != std::end(kDepths); }

bool PathsHaveFrontLut(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(),
                   [](VarnMonitorInterface& path) { return paths::SupportFlag(path, codes::kFrontLutSelect); }) != 0;
}

// Bytes of one word: three when the full scale needs more than 16 bits.
uint32_t WordBytes(int64_t scale) { return scale > 0xFFFF ? 3 : 2; }

struct Table {
    uint32_t channel;
    int64_t scale;
};
// Arguments, then the monitor's front LUT, then the count's full scale.
DvError CheckTable(VarnMonitor& monitor, int channel, const void* levels, int count, Table& out) {
    if (levels == nullptr || channel < 0 || channel >= static_cast<int>(kChannels) || count <= 0)
        return DvErrInvalidParameter;
    if (OwnDepth(monitor) == 0 || !PathsHaveFrontLut(monitor)) return DvErrNotSupported;
    out = {static_cast<uint32_t>(channel), FrontLutScale(monitor, count)};
    if (out.scale > 0xFFFFFF) return DvErrNotSupported;  // no word form holds it
    return out.scale == 0 ? DvErrSizeMismatch : DvOk;
}

void ToLevels(const std::vector<uint8_t>& bytes, int64_t scale, double* levels) {
    const auto words = paths::UnpackTableWords(bytes, WordBytes(scale));
    for (std::size_t i = 0; i < words.size(); ++i) levels[i] = static_cast<double>(words[i]) / scale;
}

}  // namespace

int SupportedFrontLUT(VarnMonitor& monitor, int bits) {
    if (!StandardDepth(bits) || bits > OwnDepth(monitor)) return 0;
    return PathsHaveFrontLut(monitor) ? 1 : 0;
}

int GetFrontLUTSize(VarnMonitor& monitor, int bits) { return SupportedFrontLUT(monitor, bits) != 0 ? 1 << bits : 0; }

// A table at the size of the model's native LUT depth is in the model's own
// units (its LUT maximum); tables of the other depths are in the standard
// fixed-point forms, 8 fraction bits past the depth (16-bit words) or 16
// (24-bit words).
int64_t FrontLutScale(VarnMonitor& monitor, int count) {
    if (monitor.Record() == nullptr) return 0;
    const int depth = static_cast<int>(monitor.Record()->NativeLutDepth());
    int size = GetFrontLUTSize(monitor, depth);
    if (size == 0) size = 256;
    if (count == size) return Word(monitor, kLutMaximum);
    const bool wide = Word(monitor, kLutWordWidth) == 24;
    if (count == 256 && SupportedFrontLUT(monitor, 8)) return wide ? 0xFF0000 : 0xFF00;
    if (count == 1024 && SupportedFrontLUT(monitor, 10)) return wide ? 16760832 : 65472;
    if (count == 4096 && SupportedFrontLUT(monitor, 12)) return wide ? 0xFFF000 : 0xFFF0;
    return 0;
}

DvError GetFrontLUTMaxRawValue(VarnMonitor& monitor, int* maximum) {
    if (maximum == nullptr) return DvErrInvalidParameter;
    const uint32_t value = Word(monitor, kLutMaximum);
    if (OwnDepth(monitor) == 0 || value == 0 || value > 0xFFFFFF) return DvErrNotSupported;
    *maximum = static_cast<int>(value);
    return DvOk;
}

DvError GetFrontLUT(VarnMonitor& monitor, int channel, double* levels, int count) {
    Table table{};
    if (const DvError bad = CheckTable(monitor, channel, levels, count, table)) return bad;
    std::vector<uint8_t> bytes(static_cast<std::size_t>(count) * WordBytes(table.scale));
    const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ReadTable(path, kCodes, table.channel, bytes);
    });
    if (paths::Usable(result)) ToLevels(bytes, table.scale, levels);
    return result;
}

DvError SetFrontLUT(VarnMonitor& monitor, int channel, const double* levels, int count) {
    Table table{};
    if (const DvError bad = CheckTable(monitor, channel, levels, count, table)) return bad;
    std::vector<uint32_t> words(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto word = paths::LinearWord(levels[i], static_cast<uint32_t>(table.scale));
        if (!word) return DvErrOutOfUnitRange;
        words[i] = *word;
    }
    const auto bytes = paths::PackTableWords(words, WordBytes(table.scale));
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteTable(path, kCodes, table.channel, bytes);
    });
}

DvError GetFrontLUTAtMode(VarnMonitor& monitor, int mode, int channel, double* levels, int count) {
    // Only a count of a size that a front LUT may have is trusted for clearing.
    const bool known = count == 256 || count == 1024 || count == 4096;
    if (const DvError absent = CheckAtMode(monitor, levels, known ? static_cast<std::size_t>(count) : 0)) return absent;
    if (channel < 0 || channel >= static_cast<int>(kChannels) || count <= 0) return DvErrInvalidParameter;
    const int own = GetFrontLUTSize(monitor, OwnDepth(monitor));
    if (own == 0) return DvErrNotSupported;
    if (count != own) return DvErrSizeMismatch;
    const int64_t scale = FrontLutScale(monitor, count);
    if (scale == 0 || scale > 0xFFFFFF) return DvErrNotSupported;
    const uint32_t tableBytes = static_cast<uint32_t>(count) * WordBytes(scale);
    std::vector<uint8_t> bytes(tableBytes);
    const DvError result =
        ReadModeTable(monitor, mode, codes::kModeFrontLut, static_cast<uint32_t>(channel) * tableBytes, bytes);
    if (paths::Usable(result)) ToLevels(bytes, scale, levels);
    return result;
}

int SupportedFrontLUTEnabled(VarnMonitor& monitor) {
    const int depth = OwnDepth(monitor);
    return depth != 0 && SupportedFrontLUT(monitor, depth) != 0 ? 1 : 0;
}

DvError GetFrontLUTEnabled(VarnMonitor& monitor, int* enabled) {
    if (enabled == nullptr) return DvErrInvalidParameter;
    *enabled = 0;
    if (SupportedFrontLUTEnabled(monitor) == 0) return DvErrNotSupported;
    uint32_t value = 0;
    const DvError result = FirstAnswer(
        monitor.Paths(), [&](VarnMonitorInterface& path) { return path.ReadValue(codes::kFrontLutEnable, &value); });
    if (paths::Usable(result)) *enabled = value != 0 ? 1 : 0;
    return result;
}

DvError SetFrontLUTEnabled(VarnMonitor& monitor, int enabled) {
    if (SupportedFrontLUTEnabled(monitor) == 0) return DvErrNotSupported;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return path.WriteValue(codes::kFrontLutEnable, enabled != 0 ? 1 : 0, 0);
    });
}

}  // namespace dvc::features
