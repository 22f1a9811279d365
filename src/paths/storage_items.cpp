// Key/value stores on one path: the item's description gives its size, the
// whole item travels in one tagged read or write.
#include "paths/storage_items.hpp"

#include <vector>

#include "paths/tagged_transfer.hpp"

namespace dvc::paths::items {

DvError ItemInfo(VarnMonitorInterface& path, const char* tag, uint32_t* size, int32_t* support) {
    uint16_t first = 0;
    uint16_t second = 0;
    const DvError result = ReadTagInfo(path, tag, &first, &second);
    if (result < 0) return result;
    *size = first;
    *support = static_cast<int16_t>(second);
    return result;
}

int ItemSupported(VarnMonitorInterface& path, const char* tag) {
    uint32_t size = 0;
    int32_t support = 0;
    return ItemInfo(path, tag, &size, &support) >= 0 && support > 0 ? 1 : 0;
}

namespace {
// The store's size, or DvErrNotSupported when the path cannot hold one.
DvError StoreSize(VarnMonitorInterface& path, const char* tag, uint32_t* size) {
    int32_t support = 0;
    const DvError result = ItemInfo(path, tag, size, &support);
    if (result == DvErrRefused) return result;
    if (result < 0 || support <= 0 || *size < kv::kMinimumBytes) return DvErrNotSupported;
    return result;
}

DvError WriteBlock(VarnMonitorInterface& path, const char* tag, const kv::Map& map) {
    uint32_t size = 0;
    if (const DvError result = StoreSize(path, tag, &size); result < 0) return result;
    std::vector<uint8_t> block(size);
    if (const DvError result = kv::Encode(map, block); result < 0) return result;
    return WriteTag(path, tag, 0, block.data(), size);
}
}  // namespace

DvError ReadKeyValueBlock(VarnMonitorInterface& path, const char* tag, kv::Map& map) {
    uint32_t size = 0;
    if (const DvError result = StoreSize(path, tag, &size); result < 0) return result;
    std::vector<uint8_t> block(size);
    // A refusal is passed back too: the data of a refused read mean nothing.
    if (const DvError result = ReadTag(path, tag, 0, block.data(), size); result < 0) return result;
    return kv::Decode(block, map);
}

DvError WriteKeyValueBlock(VarnMonitorInterface& path, const char* tag, const kv::Map& map) {
    return WriteBlock(path, tag, map);
}

// A reset writes the block of an empty store: the signature, the checksum
// of an all-zero payload (0) and zeros. It reads back as a valid store with
// no keys, so a later set adds to it rather than repairing it.
DvError ResetKeyValueBlock(VarnMonitorInterface& path, const char* tag) { return WriteBlock(path, tag, {}); }

}  // namespace dvc::paths::items
