// Enumerations of the model's gamma and colour-temperature tables.
#include "features/model.hpp"

namespace dvc::features {

namespace {

// An enumeration position inside a list of `size` entries; negative
// positions are past the end like any other.
bool Inside(int index, std::size_t size) { return static_cast<unsigned>(index) < size; }

}  // namespace

DvError EnumGamma(VarnMonitor& monitor, int index, double* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    std::vector<registry::GammaEntry> table;
    if (LoadGammaTable(monitor, table) != DvOk) return DvErrFailed;
    if (!Inside(index, table.size())) return DvErrNoMoreItems;
    *value = table[static_cast<std::size_t>(index)].value;
    return DvOk;
}

DvError EnumGammaIndex(VarnMonitor& monitor, int index, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    std::vector<registry::GammaEntry> table;
    if (LoadGammaTable(monitor, table) != DvOk) return DvErrFailed;
    if (!Inside(index, table.size())) return DvErrNoMoreItems;
    *value = registry::GammaIndexOfCode(table[static_cast<std::size_t>(index)].code);
    return DvOk;
}

DvError EnumColorTemperature(VarnMonitor& monitor, int index, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    std::vector<uint16_t> values;
    if (LoadColourTemperatureValues(monitor, values) != DvOk) return DvErrFailed;
    if (!Inside(index, values.size())) return DvErrNoMoreItems;
    *value = values[static_cast<std::size_t>(index)];
    return DvOk;
}

}  // namespace dvc::features
