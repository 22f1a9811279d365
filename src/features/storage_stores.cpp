// The key/value stores: the whole block is read, changed in memory and
// written back; a store that does not read as one is started afresh.
#include <algorithm>
#include <cstring>
#include <string>

#include "features/path_rules.hpp"
#include "features/storage.hpp"
#include "paths/storage_items.hpp"

namespace dvc::features {

namespace kv = paths::kv;

namespace {
bool KeyUsable(const char* key) {
    if (key == nullptr) return false;
    const size_t length = strnlen(key, kv::kMaxKeyBytes + 1);
    return length >= 1 && length <= kv::kMaxKeyBytes;
}

// The first path that reads the store, or refuses, decides.
DvError ReadStore(VarnMonitor& monitor, const char* tag, kv::Map& map) {
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::items::ReadKeyValueBlock(path, tag, map); });
}
}  // namespace

DvError GetStoreValue(VarnMonitor& monitor, const char* tag, const char* key, uint8_t* buffer, int* size) {
    if (size == nullptr || !KeyUsable(key)) return DvErrInvalidParameter;
    if (buffer != nullptr && *size < 0) return DvErrInvalidParameter;
    kv::Map map;
    const DvError result = ReadStore(monitor, tag, map);
    if (result < 0) {
        *size = 0;
        return result;
    }
    const auto found = map.find(key);
    if (found == map.end()) {
        *size = 0;
        return result;
    }
    const int length = static_cast<int>(found->second.size());
    if (buffer == nullptr) {
        *size = length;
        return result;
    }
    const int copied = std::min(*size, length);
    std::copy_n(found->second.begin(), copied, buffer);
    *size = copied;
    return result;
}

DvError SetStoreValue(VarnMonitor& monitor, const char* tag, const char* key, const uint8_t* data, int size) {
    if (!KeyUsable(key)) return DvErrInvalidParameter;
    const bool setting = data != nullptr && size > 0;
    if (setting && !kv::RecordFits(key, static_cast<size_t>(size))) return DvErrInvalidParameter;
    kv::Map map;
    const DvError read = ReadStore(monitor, tag, map);
    // A store never written, or damaged, is rewritten holding only this key.
    if (read == DvErrBadSignature || read == DvErrChecksum) {
        map.clear();
    } else if (read < 0) {
        return read;
    }
    if (setting) {
        map[key].assign(data, data + size);
    } else {
        map.erase(key);
    }
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::items::WriteKeyValueBlock(path, tag, map); });
}

DvError ResetStore(VarnMonitor& monitor, const char* tag) {
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::items::ResetKeyValueBlock(path, tag); });
}

int SupportedStore(VarnMonitor& monitor, const char* tag) {
    return AnyPath(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t size = 0;
        int32_t support = 0;
        const DvError result = paths::items::ItemInfo(path, tag, &size, &support);
        return result >= 0 && support > 0 && size >= kv::kMinimumBytes ? 1 : 0;
    });
}

}  // namespace dvc::features
