// Input ports per window, the automatic input switch, resolutions, the
// DisplayPort settings and the signal type.
#include <algorithm>
#include <vector>

#include "features/path_rules.hpp"
#include "features/signal.hpp"
#include "paths/inputs.hpp"
#include "paths/port_numbers.hpp"
#include "registry/model_groups.hpp"

namespace dvc::features {

namespace {

using registry::ModelGroup;

DvError ReadPorts(VarnMonitor& monitor, std::vector<int>& codes) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::ReadInputPorts(path, codes); });
}

// Models that keep per-mode settings also switch compatibility with the
// code that others use for USB power saving.
bool SharedCompatibilitySwitch(const VarnMonitor& monitor) {
    return registry::InModelGroup(ModelGroup::AtMode, monitor.ModelName());
}

}  // namespace

DvError GetInputPorts(VarnMonitor& monitor, int* ports, int capacity) {
    if (ports == nullptr || capacity <= 0) return DvErrInvalidParameter;
    std::vector<int> codes;
    const DvError result = ReadPorts(monitor, codes);
    if (!paths::Usable(result)) return result;
    if (codes.size() > static_cast<std::size_t>(capacity)) return DvErrSizeMismatch;
    std::transform(codes.begin(), codes.end(), ports, paths::ExportedPortNumber);
    return result;
}

DvError SetInputPorts(VarnMonitor& monitor, const int* ports, int count) {
    if (ports == nullptr || count <= 0) return DvErrInvalidParameter;
    std::vector<int> codes;
    for (int i = 0; i < count; ++i) {
        const auto code = paths::PortCodeOf(ports[i]);
        if (!code) return DvErrInvalidParameter;
        codes.push_back(*code);
    }
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::WriteInputPorts(path, codes); });
}

int GetInputPortCount(VarnMonitor& monitor) {
    std::vector<int> codes;
    return paths::Usable(ReadPorts(monitor, codes)) ? static_cast<int>(codes.size()) : 0;
}

// The port of the first window: the one shown alone.
DvError GetInputPort(VarnMonitor& monitor, int* port) {
    if (port == nullptr) return DvErrInvalidParameter;
    std::vector<int> codes;
    const DvError result = ReadPorts(monitor, codes);
    if (!paths::Usable(result)) return result;
    if (codes.empty()) return DvErrNotSupported;
    *port = paths::ExportedPortNumber(codes.front());
    return result;
}

DvError SetInputPort(VarnMonitor& monitor, int port) {
    const auto code = paths::PortCodeOf(port);
    if (!code) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::vector<int> codes;
        const DvError read = paths::ReadInputPorts(path, codes);
        if (!paths::Usable(read)) return read;
        if (codes.empty()) return DvErrNotSupported;
        codes.front() = *code;
        return paths::WriteInputPorts(path, codes);
    });
}

DvError GetInputAuto(VarnMonitor& monitor, int* on) {
    if (on == nullptr) return DvErrInvalidParameter;
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::ReadInputAuto(path, on); });
}

DvError SetInputAuto(VarnMonitor& monitor, int on) {
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::WriteInputAuto(path, on); });
}

DvError SupportedInputAuto(VarnMonitor& monitor, int* flag) {
    if (flag == nullptr) return DvErrInvalidParameter;
    *flag = 0;
    if (registry::InModelGroup(ModelGroup::NoInputAuto, monitor.ModelName())) return DvOk;
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::QueryInputAuto(path, flag); });
}

// The monitor's own answer first; the model's built-in size when no path
// gives one.
DvError GetNativeResolution(VarnMonitor& monitor, int* width, int* height) {
    if (width == nullptr || height == nullptr) return DvErrInvalidParameter;
    const DvError result = FirstAnswer(
        monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::ReadNativeResolution(path, width, height); });
    if (paths::Usable(result) || monitor.Record() == nullptr || monitor.Record()->nativeWidth == 0) return result;
    *width = static_cast<int>(monitor.Record()->nativeWidth);
    *height = static_cast<int>(monitor.Record()->nativeHeight);
    return DvOk;
}

DvError GetSignalResolution(VarnMonitor& monitor, int* width, int* height) {
    if (width == nullptr || height == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::ReadSignalResolution(path, width, height); });
}

DvError GetSignalInformation(VarnMonitor& monitor, DvSignalInformation* information) {
    if (information == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::ReadSignalInformation(path, information); });
}

DvError GetDPVersion(VarnMonitor& monitor, int* version) {
    if (version == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::ReadDPVersion(path, version); });
}

int SupportedDPVersion(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::SupportsDPVersion(path); });
}

DvError GetCompatibilityMode(VarnMonitor& monitor, int* on) {
    if (on == nullptr) return DvErrInvalidParameter;
    const bool shared = SharedCompatibilitySwitch(monitor);
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::ReadCompatibilityMode(path, shared, on); });
}

DvError SetCompatibilityMode(VarnMonitor& monitor, int on) {
    const bool shared = SharedCompatibilitySwitch(monitor);
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::WriteCompatibilityMode(path, shared, on); });
}

int SupportedCompatibilityMode(VarnMonitor& monitor) {
    const bool shared = SharedCompatibilitySwitch(monitor);
    return AnyPath(monitor.Paths(),
                   [&](VarnMonitorInterface& path) { return paths::SupportsCompatibilityMode(path, shared); });
}

DvError GetSignalTypeSelection(VarnMonitor& monitor, int* type) {
    if (type == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::ReadSignalTypes(path, type, nullptr); });
}

DvError SetSignalTypeSelection(VarnMonitor& monitor, int type) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::WriteSignalType(path, type); });
}

DvError GetSupportedSignalTypeSelections(VarnMonitor& monitor, int* types, int capacity) {
    if (types == nullptr || capacity <= 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::vector<int> selectable;
        const DvError result = paths::ReadSignalTypes(path, nullptr, &selectable);
        if (!paths::Usable(result)) return result;
        if (selectable.size() > static_cast<std::size_t>(capacity)) return DvErrSizeMismatch;
        std::copy(selectable.begin(), selectable.end(), types);
        return result;
    });
}

}  // namespace dvc::features
