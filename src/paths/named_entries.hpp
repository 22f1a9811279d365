// Names kept by the monitor per entry (a colour mode, a Tonality value): a
// value write to a select code names the entry, then its name block is read
// or written. The block's length is the longest name the monitor keeps; a
// shorter name is padded with NULs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

struct NameCodes {
    uint32_t select;
    uint32_t name;
};
inline constexpr NameCodes kModeNames{codes::kModeNameSelect, codes::kModeName};
inline constexpr NameCodes kTonalityNames{codes::kTonalityNameSelect, codes::kTonalityName};

// The buffer size that a name needs: the block length and its NUL; 0 when
// the monitor keeps no names there.
DvError NameSize(VarnMonitorInterface& path, NameCodes codes, int32_t* size);
// Entry `key`'s name, up to its first NUL.
DvError ReadName(VarnMonitorInterface& path, NameCodes codes, uint32_t key, std::string& name);
// Entry `key`'s new name; one longer than the block is DvErrInvalidParameter
// and nothing is written.
DvError WriteName(VarnMonitorInterface& path, NameCodes codes, uint32_t key, std::string_view name);

}  // namespace dvc::paths
