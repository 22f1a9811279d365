// Tonality names. With colour modes they are the modes' names; without,
// one of three encodings, tried in order: the mode-name codes addressed by
// the Tonality value, the Tonality-name codes addressed by the value's
// position in the model's list (for the models that number them so), or
// the Tonality-name codes addressed by the value.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "features/model.hpp"
#include "features/modes.hpp"
#include "features/path_rules.hpp"
#include "features/tonality.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/named_entries.hpp"
#include "registry/model_groups.hpp"

namespace dvc::features {

namespace {

using registry::ModelGroup;

// Models that report names without a size keep them in 6 characters.
constexpr int kDefaultNameSize = 7;
constexpr int kFixedNameSize = 10;

struct Encoding {
    paths::NameCodes codes;
    int32_t key;
};

int32_t ModeNameSize(VarnMonitor& monitor) {
    int32_t size = 0;
    const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        size = 0;
        return paths::NameSize(path, paths::kModeNames, &size);
    });
    return paths::Usable(result) ? size : 0;
}

bool ValueAddressed(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(),
                   [](VarnMonitorInterface& path) { return paths::SupportFlag(path, codes::kTonalityName); }) != 0;
}

// The encoding and key of `value` on a model without colour modes.
DvError EncodingOf(VarnMonitor& monitor, int value, Encoding& encoding) {
    if (ModeNameSize(monitor) != 0) {
        encoding = {paths::kModeNames, value};
        return DvOk;
    }
    if (registry::InModelGroup(ModelGroup::TonalityIndexNames, monitor.ModelName())) {
        std::vector<int> list;
        if (LoadTonalityList(monitor, list) != DvOk) return DvErrFailed;
        const auto it = std::find(list.begin(), list.end(), value);
        if (it == list.end()) return DvErrFailed;
        encoding = {paths::kTonalityNames, static_cast<int32_t>(it - list.begin())};
        return DvOk;
    }
    if (ValueAddressed(monitor)) {
        encoding = {paths::kTonalityNames, value};
        return DvOk;
    }
    return DvErrFailed;
}

}  // namespace

DvError GetTonalityName(VarnMonitor& monitor, int value, char* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return DvErrInvalidParameter;
    if (HasColourModes(monitor)) {
        const int mode = ModeOfTonality(monitor, value);
        return mode < 0 ? DvErrNotSupported : GetModeName(monitor, mode, buffer, capacity);
    }
    Encoding encoding{};
    if (const DvError r = EncodingOf(monitor, value, encoding); r != DvOk) return r;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::string name;
        const DvError result = paths::ReadName(path, encoding.codes, static_cast<uint32_t>(encoding.key), name);
        if (!paths::Usable(result)) return result;
        if (name.size() >= static_cast<std::size_t>(capacity)) return DvErrSizeMismatch;
        std::memcpy(buffer, name.c_str(), name.size() + 1);
        return result;
    });
}

int GetTonalityNameSize(VarnMonitor& monitor) {
    if (registry::InModelGroup(ModelGroup::TonalityName10, monitor.ModelName())) return kFixedNameSize;
    if (HasColourModes(monitor)) return GetModeNameSize(monitor, 0);
    if (const int32_t size = ModeNameSize(monitor); size != 0) return size;
    const bool byPosition = registry::InModelGroup(ModelGroup::TonalityIndexNames, monitor.ModelName());
    const bool byValue = !byPosition && ValueAddressed(monitor);
    if (!byPosition && !byValue) return 0;
    int32_t size = 0;
    FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        size = 0;
        return paths::NameSize(path, paths::kTonalityNames, &size);
    });
    return size == 0 && byValue ? kDefaultNameSize : size;
}

DvError SetTonalityName(VarnMonitor& monitor, int value, const char* name) {
    if (name == nullptr) return DvErrInvalidParameter;
    if (HasColourModes(monitor)) {
        const int mode = ModeOfTonality(monitor, value);
        return mode < 0 ? DvErrNotSupported : SetModeName(monitor, mode, name);
    }
    Encoding encoding{};
    if (const DvError r = EncodingOf(monitor, value, encoding); r != DvOk) return r;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteName(path, encoding.codes, static_cast<uint32_t>(encoding.key), name);
    });
}

}  // namespace dvc::features
