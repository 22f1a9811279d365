// The raw data items: their bytes move unchanged; what they mean, and what
// the item argument selects, is the caller's and the monitor's business.
#include <limits>

#include "features/path_rules.hpp"
#include "features/storage.hpp"
#include "paths/storage_items.hpp"
#include "paths/tagged_transfer.hpp"

namespace dvc::features {

namespace {
// Record numbers are 16-bit on the wire.
bool ItemUsable(int item) { return item >= 0 && item <= static_cast<int>(paths::tags::kMaxBlockNumber); }
}  // namespace

DvError GetItemInfo(VarnMonitor& monitor, const char* tag, int* size, int* support) {
    if (size == nullptr || support == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t itemSize = 0;
        int32_t word = 0;
        const DvError result = paths::items::ItemInfo(path, tag, &itemSize, &word);
        if (result >= 0) {
            *size = static_cast<int>(itemSize);
            *support = word;
        }
        return result;
    });
}

DvError ReadItem(VarnMonitor& monitor, const char* tag, int item, uint8_t* buffer, int length, int offset) {
    if (buffer == nullptr || length <= 0 || offset < 0 || !ItemUsable(item)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ReadTag(path, tag, static_cast<uint32_t>(item), buffer, static_cast<uint32_t>(length),
                              static_cast<uint32_t>(offset));
    });
}

DvError WriteItem(VarnMonitor& monitor, const char* tag, int item, const uint8_t* data, int length) {
    if (data == nullptr || length <= 0 || !ItemUsable(item)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteTag(path, tag, static_cast<uint32_t>(item), data, static_cast<uint32_t>(length));
    });
}

int SupportedItem(VarnMonitor& monitor, const char* tag) {
    return AnyPath(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::items::ItemSupported(path, tag); });
}

}  // namespace dvc::features
