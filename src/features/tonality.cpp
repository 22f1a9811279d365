// Tonality values, their menu entry and the menu's skip flags.
#include "features/tonality.hpp"

#include <algorithm>
#include <vector>

#include "features/model.hpp"
#include "features/modes.hpp"
#include "features/path_rules.hpp"
#include "features/table_rows.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/tonality_skip.hpp"

namespace dvc::features {

int ModeOfTonality(const VarnMonitor& monitor, int value) {
    if (monitor.Record() == nullptr) return -1;
    const auto& table = monitor.Record()->modeTable;
    const auto it = std::find(table.begin(), table.end(), value);
    return it == table.end() ? -1 : static_cast<int>(it - table.begin());
}

DvError EnumTonality(VarnMonitor& monitor, int index, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    std::vector<int> list;
    if (HasColourModes(monitor)) {
        if (monitor.Record() != nullptr)
            list.assign(monitor.Record()->modeTable.begin(), monitor.Record()->modeTable.end());
    } else if (LoadTonalityList(monitor, list) != DvOk) {
        return DvErrNoMoreItems;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return DvErrNoMoreItems;
    *value = list[static_cast<std::size_t>(index)];
    return DvOk;
}

int HasTonality(VarnMonitor& monitor, int value) {
    int entry = 0;
    for (int i = 0; EnumTonality(monitor, i, &entry) == DvOk; ++i)
        if (entry == value) return 1;
    return 0;
}

int GetTonalityCount(VarnMonitor& monitor) {
    if (HasColourModes(monitor)) return GetModeCount(monitor);
    std::vector<int> list;
    return LoadTonalityList(monitor, list) == DvOk ? static_cast<int>(list.size()) : 0;
}

DvError GetTonality(VarnMonitor& monitor, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    if (HasColourModes(monitor)) {
        int mode = 0;
        const DvError read = Run<rows::GetMode>(monitor, &mode);
        if (read < 0 && read != DvErrRefused) return read;
        const auto& table = monitor.Record()->modeTable;
        if (mode < 0 || static_cast<std::size_t>(mode) >= table.size()) return DvErrFailed;
        *value = table[static_cast<std::size_t>(mode)];
        return read;
    }
    // The value is kept whenever the path answered at all.
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t read = 0;
        const DvError result = path.ReadValue(codes::kTonality, &read);
        if (result != DvErrFailed) *value = static_cast<int>(read);
        return result;
    });
}

DvError SetTonality(VarnMonitor& monitor, int value) {
    if (HasColourModes(monitor)) {
        const int mode = ModeOfTonality(monitor, value);
        return mode < 0 ? DvErrNotSupported : Run<rows::SetMode>(monitor, mode);
    }
    std::vector<int> list;
    if (LoadTonalityList(monitor, list) != DvOk || std::find(list.begin(), list.end(), value) == list.end())
        return DvErrFailed;
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return path.WriteValue(codes::kTonality, static_cast<uint32_t>(value), 0);
    });
}

DvError SupportedTonality(VarnMonitor& monitor, int* flag) {
    if (flag == nullptr) return DvErrInvalidParameter;
    *flag = 0;
    if (HasColourModes(monitor)) {
        *flag = 1;
        return DvOk;
    }
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        *flag = 0;
        return path.ReadFixedData(codes::kTonality, nullptr, nullptr, flag, nullptr);
    });
}

namespace {
// Newer firmware keeps a byte per Tonality value and says so by the skip
// code's support flag; older firmware keeps one bit mask.
paths::TonalitySkipEncoding TonalitySkipEncodingOf(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(),
                   [](VarnMonitorInterface& path) { return paths::SupportFlag(path, codes::kTonalitySkip); }) != 0
               ? paths::TonalitySkipEncoding::Bytes
               : paths::TonalitySkipEncoding::Mask;
}
}  // namespace

DvError GetTonalitySkip(VarnMonitor& monitor, int value, int* skipped) {
    if (skipped == nullptr) return DvErrInvalidParameter;
    if (Run<rows::SupportedModeSkip>(monitor) != 0) {
        const int mode = ModeOfTonality(monitor, value);
        return mode < 0 ? DvErrNotSupported : Run<rows::GetModeSkip>(monitor, mode, skipped);
    }
    const auto encoding = TonalitySkipEncodingOf(monitor);
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ReadTonalitySkip(path, encoding, static_cast<uint32_t>(value), skipped);
    });
}

DvError SetTonalitySkip(VarnMonitor& monitor, int value, int skipped) {
    if (Run<rows::SupportedModeSkip>(monitor) != 0) {
        const int mode = ModeOfTonality(monitor, value);
        return mode < 0 ? DvErrNotSupported : Run<rows::SetModeSkip>(monitor, mode, skipped);
    }
    const auto encoding = TonalitySkipEncodingOf(monitor);
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteTonalitySkip(path, encoding, static_cast<uint32_t>(value), skipped != 0);
    });
}

int SupportedTonalitySkip(VarnMonitor& monitor) {
    if (Run<rows::SupportedModeSkip>(monitor) != 0) return 1;
    return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) {
        return paths::SupportFlag(path, codes::kTonalitySkip) != 0 ? 1
                                                                   : paths::SupportFlag(path, codes::kTonalitySkipMask);
    });
}

}  // namespace dvc::features
