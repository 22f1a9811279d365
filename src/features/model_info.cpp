// Operations answered from the model record alone: mode count, LUT depth,
// panel revision, media emulation count, record queries and data names.
#include "registry/data_names.hpp"
#include "registry/varn_monitor.hpp"

using dvc::registry::ModelRecord;

int VarnMonitor::GetModeCount() {
    return Record() != nullptr ? static_cast<int>(Record()->ModeCount()) : 0;
}

DvError VarnMonitor::GetNativeLUTBitDepth(int* depth) {
    if (depth == nullptr) return DvErrInvalidParameter;
    const uint32_t bits = Record() != nullptr ? Record()->NativeLutDepth() : 0;
    if (bits == 0) {
        *depth = -1;
        return DvErrNotSupported;
    }
    *depth = static_cast<int>(bits);
    return DvOk;
}

DvError VarnMonitor::GetPanelRevision(int* revision) {
    if (revision == nullptr) return DvErrInvalidParameter;
    if (Record() == nullptr) return DvErrFailed;
    *revision = Record()->panelRevision;
    return DvOk;
}

int VarnMonitor::GetMediaEmuCount() {
    return Record() != nullptr ? static_cast<int>(Record()->mediaEmulationCount) : 0;
}

DvError VarnMonitor::LoadGammaTable(std::vector<dvc::registry::GammaEntry>& table) const {
    if (Record() == nullptr) return DvErrFailed;
    table = dvc::registry::GammaTable(*Record(), ModelName());
    return DvOk;
}

DvError VarnMonitor::LoadColourTemperatureTable(std::vector<dvc::registry::ColourTemperatureEntry>& table) const {
    if (Record() == nullptr) return DvErrFailed;
    table = dvc::registry::ColourTemperatureTable(*Record());
    return DvOk;
}

DvError VarnMonitor::LoadTonalityList(std::vector<int>& list) const {
    if (Record() == nullptr) return DvErrFailed;
    list = dvc::registry::TonalityList(*Record(), ModelName());
    return DvOk;
}

DvError VarnMonitor::LoadInputPortList(std::vector<int>& ports) const {
    if (Record() == nullptr) return DvErrFailed;
    ports = Record()->inputPorts;
    return DvOk;
}

DvError VarnMonitor::LoadColourTemperatureValues(std::vector<uint16_t>& values) const {
    if (Record() == nullptr) return DvErrFailed;
    values = Record()->valueList;
    return DvOk;
}

DvError VarnMonitor::LutNames(std::vector<std::string>& names) {
    std::vector<int> indices;
    int index = 0;
    for (int i = 0; EnumGammaIndex(i, &index) == DvOk; ++i) indices.push_back(index);
    names = dvc::registry::LutNamesFor(indices);
    return DvOk;
}

DvError VarnMonitor::AicNames(std::vector<std::string>& names) const {
    return dvc::registry::AicNamesFor(ModelName(), names);
}
