// The firmware versions as the on-screen display shows them: five digits
// each; as text, each followed by a space and the last by the NUL.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "features/keys_osd.hpp"
#include "features/path_rules.hpp"
#include "paths/firmware_versions.hpp"

namespace dvc::features {

namespace {
constexpr int kCharsPerVersion = 6;
}  // namespace

int GetOSDDisplayFirmwareVersionsCount(VarnMonitor& monitor) {
    int count = 0;
    const DvError result = FirstAnswer(
        monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::CountVersionRecords(path, &count); });
    return paths::Usable(result) ? count : 0;
}

DvError GetOSDDisplayFirmwareVersions(VarnMonitor& monitor, int* versions, int count) {
    if (versions == nullptr || count <= 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::vector<int> read;
        const DvError result = paths::ReadDisplayedVersions(path, count, read);
        if (paths::Usable(result)) std::copy(read.begin(), read.end(), versions);
        return result;
    });
}

// `buffer` holds 6 * `count` characters (DvCtrlGetOSDDisplayFirmwareVersionsStringSize).
DvError GetOSDDisplayFirmwareVersionsString(VarnMonitor& monitor, char* buffer, int count) {
    if (buffer == nullptr || count <= 0 || count > GetOSDDisplayFirmwareVersionsCount(monitor))
        return DvErrInvalidParameter;
    std::vector<int> versions(static_cast<std::size_t>(count));
    const DvError result = GetOSDDisplayFirmwareVersions(monitor, versions.data(), count);
    if (!paths::Usable(result)) return result;
    std::string text;
    for (const int v : versions) {
        const std::string digits = std::to_string(v);
        text += std::string(kCharsPerVersion - 1 - std::min<std::size_t>(digits.size(), kCharsPerVersion - 1), '0');
        text += digits.substr(0, kCharsPerVersion - 1);
        text += ' ';
    }
    text.back() = '\0';
    std::memcpy(buffer, text.data(), text.size());
    return result;
}

}  // namespace dvc::features
