// The preset flavors of the flavor table. An entry or position past the end
// of its list is the caller's mistake (DvErrInvalidParameter); a model
// without flavors does not have the feature (DvErrNotSupported).
#include <algorithm>

#include "features/model.hpp"

namespace dvc::features {

using registry::FlavorEntry;

namespace {

// The entry, or the error that the enumeration reports instead.
DvError FindEntry(const registry::FlavorTable* table, int entry, const FlavorEntry*& found) {
    if (table == nullptr || table->entries.empty()) return DvErrNotSupported;
    if (static_cast<unsigned>(entry) >= table->entries.size()) return DvErrInvalidParameter;
    found = &table->entries[static_cast<std::size_t>(entry)];
    return DvOk;
}

}  // namespace

DvError GetSupportedFeature(VarnMonitor& monitor, int entry, int* features) {
    const FlavorEntry* found = nullptr;
    if (const DvError r = FindEntry(monitor.Flavors(), entry, found); r != DvOk) return r;
    if (features == nullptr) return DvErrInvalidParameter;
    std::copy(found->features.begin(), found->features.end(), features);
    return DvOk;
}

DvError EnumSupportedFlavor(VarnMonitor& monitor, int entry, int position, int* mode) {
    const FlavorEntry* found = nullptr;
    if (const DvError r = FindEntry(monitor.Flavors(), entry, found); r != DvOk) return r;
    if (mode == nullptr || static_cast<unsigned>(position) >= found->modes.size()) return DvErrInvalidParameter;
    *mode = found->modes[static_cast<std::size_t>(position)];
    return DvOk;
}

DvError GetPresetFlavor(VarnMonitor& monitor, int entry, int* flavor) {
    const FlavorEntry* found = nullptr;
    if (const DvError r = FindEntry(monitor.Flavors(), entry, found); r != DvOk) return r;
    if (flavor == nullptr) return DvErrInvalidParameter;
    *flavor = found->flavor;
    return DvOk;
}

}  // namespace dvc::features
