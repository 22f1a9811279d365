// What the per-mode reads of the LUT area share: they proceed when the
// monitor has colour modes or its model keeps per-mode settings without
// reporting modes; otherwise the out-values are cleared and the result is
// DvErrNotSupported. Then a null out-pointer gives DvErrNullOutput.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "features/modes.hpp"
#include "features/path_rules.hpp"
#include "paths/mode_tables.hpp"
#include "registry/model_groups.hpp"

namespace dvc::features {

template <class T>
DvError CheckAtMode(VarnMonitor& monitor, T* out, std::size_t count) {
    if (!HasColourModes(monitor) && !registry::InModelGroup(registry::ModelGroup::AtMode, monitor.ModelName())) {
        if (out != nullptr) std::fill_n(out, count, T{});
        return DvErrNotSupported;
    }
    return out == nullptr ? DvErrNullOutput : DvOk;
}

// `part.size()` bytes at `offset` of the mode's block of `code`, from the
// first path that answers.
inline DvError ReadModeTable(VarnMonitor& monitor, int mode, uint32_t code, uint32_t offset,
                             std::vector<uint8_t>& part) {
    if (mode < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ReadModeTable(path, static_cast<uint32_t>(mode), code, offset, part);
    });
}

}  // namespace dvc::features
