// Enumerations of the model's gamma and colour-temperature tables.
#include "registry/varn_monitor.hpp"

namespace {

// An enumeration position inside a list of `size` entries; negative
// positions are past the end like any other.
bool Inside(int index, std::size_t size) { return static_cast<unsigned>(index) < size; }

}  // namespace

DvError VarnMonitor::EnumGamma(int index, double* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    std::vector<dvc::registry::GammaEntry> table;
    if (LoadGammaTable(table) != DvOk) return DvErrFailed;
    if (!Inside(index, table.size())) return DvErrNoMoreItems;
    *value = table[static_cast<std::size_t>(index)].value;
    return DvOk;
}

DvError VarnMonitor::EnumGammaIndex(int index, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    std::vector<dvc::registry::GammaEntry> table;
    if (LoadGammaTable(table) != DvOk) return DvErrFailed;
    if (!Inside(index, table.size())) return DvErrNoMoreItems;
    *value = dvc::registry::GammaIndexOfCode(table[static_cast<std::size_t>(index)].code);
    return DvOk;
}

DvError VarnMonitor::EnumColorTemperature(int index, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    std::vector<uint16_t> values;
    if (LoadColourTemperatureValues(values) != DvOk) return DvErrFailed;
    if (!Inside(index, values.size())) return DvErrNoMoreItems;
    *value = values[static_cast<std::size_t>(index)];
    return DvOk;
}
