// The table of skipped colour modes, and its rows per input port. The newer
// table is used when a path reports it; else the older per-mode flags,
// where a path reports those; else the table cannot be reached.
#include <algorithm>
#include <vector>

#include "features/model.hpp"
#include "features/modes.hpp"
#include "features/path_rules.hpp"
#include "features/table_rows.hpp"
#include "paths/mode_skip.hpp"

namespace dvc::features {

namespace {

using paths::SkipEncoding;

// Modes are counted in a byte: no table has more columns.
constexpr int kMaxColumns = 256;

bool ReportsNewerTable(VarnMonitor& monitor) {
    int32_t flag = 0;
    const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        flag = 0;
        return path.ReadFixedData(codes::kModeSkipAll, nullptr, nullptr, &flag, nullptr);
    });
    return paths::Usable(result) && flag != 0;
}

DvError EncodingOf(VarnMonitor& monitor, SkipEncoding& encoding) {
    if (ReportsNewerTable(monitor)) {
        encoding = SkipEncoding::Newer;
        return DvOk;
    }
    if (Run<rows::SupportedModeSkip>(monitor) == 0) return DvErrFailed;
    encoding = SkipEncoding::Older;
    return DvOk;
}

bool ColumnsFit(int columns) { return columns > 0 && columns <= kMaxColumns; }

// The row of the port with exported number `port`, or -1.
int RowOfPort(VarnMonitor& monitor, int port) {
    std::vector<int> ports(static_cast<std::size_t>(GetSupportedInputPortCount(monitor)));
    if (ports.empty() || GetSupportedInputPort(monitor, ports.data(), static_cast<int>(ports.size())) != DvOk)
        return -1;
    const auto it = std::find(ports.begin(), ports.end(), port);
    return it == ports.end() ? -1 : static_cast<int>(it - ports.begin());
}

}  // namespace

DvError GetModeSkipAll(VarnMonitor& monitor, int* table, int columns) {
    if (table == nullptr || !ColumnsFit(columns)) return DvErrInvalidParameter;
    SkipEncoding encoding{};
    if (const DvError r = EncodingOf(monitor, encoding); r != DvOk) return r;
    const auto ports = static_cast<uint32_t>(GetSupportedInputPortCount(monitor));
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::vector<int> read;
        const DvError result = paths::ReadSkipTable(path, encoding, ports, static_cast<uint32_t>(columns), read);
        if (paths::Usable(result)) std::copy(read.begin(), read.end(), table);
        return result;
    });
}

DvError SetModeSkipAll(VarnMonitor& monitor, const int* table, int columns) {
    if (table == nullptr || !ColumnsFit(columns)) return DvErrInvalidParameter;
    SkipEncoding encoding{};
    if (const DvError r = EncodingOf(monitor, encoding); r != DvOk) return r;
    const auto ports = static_cast<uint32_t>(GetSupportedInputPortCount(monitor));
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteSkipTable(path, encoding, ports, static_cast<uint32_t>(columns), table);
    });
}

int SupportedModeSkipAll(VarnMonitor& monitor) {
    return ReportsNewerTable(monitor) ? 1 : Run<rows::SupportedModeSkip>(monitor);
}

DvError GetModeSkipAtPort(VarnMonitor& monitor, int port, int* skips, int count) {
    if (skips == nullptr || !ColumnsFit(count)) return DvErrInvalidParameter;
    const int row = RowOfPort(monitor, port);
    if (row < 0) return DvErrInvalidParameter;
    std::vector<int> table(static_cast<std::size_t>(GetSupportedInputPortCount(monitor)) * count);
    const DvError result = GetModeSkipAll(monitor, table.data(), count);
    if (paths::Usable(result)) std::copy_n(table.begin() + row * count, count, skips);
    return result;
}

DvError SetModeSkipAtPort(VarnMonitor& monitor, int port, const int* skips, int count) {
    if (skips == nullptr || !ColumnsFit(count)) return DvErrInvalidParameter;
    const int row = RowOfPort(monitor, port);
    if (row < 0) return DvErrInvalidParameter;
    std::vector<int> table(static_cast<std::size_t>(GetSupportedInputPortCount(monitor)) * count);
    const DvError read = GetModeSkipAll(monitor, table.data(), count);
    if (!paths::Usable(read)) return read;
    std::copy_n(skips, count, table.begin() + row * count);
    return SetModeSkipAll(monitor, table.data(), count);
}

}  // namespace dvc::features
