// Operations answered from the model record alone: mode count, LUT depth,
// panel revision, media emulation count, record queries and data names.
#include "features/model.hpp"
#include "registry/data_names.hpp"

namespace dvc::features {

using registry::ModelRecord;

int GetModeCount(VarnMonitor& monitor) {
    return monitor.Record() != nullptr ? static_cast<int>(monitor.Record()->ModeCount()) : 0;
}

DvError GetNativeLUTBitDepth(VarnMonitor& monitor, int* depth) {
    if (depth == nullptr) return DvErrInvalidParameter;
    const uint32_t bits = monitor.Record() != nullptr ? monitor.Record()->NativeLutDepth() : 0;
    if (bits == 0) {
        *depth = -1;
        return DvErrNotSupported;
    }
    *depth = static_cast<int>(bits);
    return DvOk;
}

DvError GetPanelRevision(VarnMonitor& monitor, int* revision) {
    if (revision == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrFailed;
    *revision = monitor.Record()->panelRevision;
    return DvOk;
}

// 1 for the panels of the current generation (the record's panel word 0),
// else 0.
DvError GetPanelType(VarnMonitor& monitor, int* type) {
    if (type == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrFailed;
    *type = monitor.Record()->Word(registry::word::kPanelGeneration) == 0 ? 1 : 0;
    return DvOk;
}

DvError GetMonitorPbyPType(VarnMonitor& monitor, int* type) {
    if (type == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrFailed;
    *type = static_cast<int>(monitor.Record()->Word(registry::word::kPbyPType));
    return DvOk;
}

int GetMediaEmuCount(VarnMonitor& monitor) {
    return monitor.Record() != nullptr ? static_cast<int>(monitor.Record()->mediaEmulationCount) : 0;
}

DvError LoadGammaTable(const VarnMonitor& monitor, std::vector<registry::GammaEntry>& table) {
    if (monitor.Record() == nullptr) return DvErrFailed;
    table = registry::GammaTable(*monitor.Record(), monitor.ModelName());
    return DvOk;
}

DvError LoadColourTemperatureTable(const VarnMonitor& monitor, std::vector<registry::ColourTemperatureEntry>& table) {
    if (monitor.Record() == nullptr) return DvErrFailed;
    table = registry::ColourTemperatureTable(*monitor.Record());
    return DvOk;
}

DvError LoadTonalityList(const VarnMonitor& monitor, std::vector<int>& list) {
    if (monitor.Record() == nullptr) return DvErrFailed;
    list = registry::TonalityList(*monitor.Record(), monitor.ModelName());
    return DvOk;
}

DvError LoadInputPortList(const VarnMonitor& monitor, std::vector<int>& ports) {
    if (monitor.Record() == nullptr) return DvErrFailed;
    ports = monitor.Record()->inputPorts;
    return DvOk;
}

DvError LoadColourTemperatureValues(const VarnMonitor& monitor, std::vector<uint16_t>& values) {
    if (monitor.Record() == nullptr) return DvErrFailed;
    values = monitor.Record()->valueList;
    return DvOk;
}

DvError LutNames(VarnMonitor& monitor, std::vector<std::string>& names) {
    std::vector<int> indices;
    int index = 0;
    for (int i = 0; EnumGammaIndex(monitor, i, &index) == DvOk; ++i) indices.push_back(index);
    names = registry::LutNamesFor(indices);
    return DvOk;
}

DvError AicNames(const VarnMonitor& monitor, std::vector<std::string>& names) {
    return registry::AicNamesFor(monitor.ModelName(), names);
}

}  // namespace dvc::features
