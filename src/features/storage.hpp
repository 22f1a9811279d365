// Storage inside the monitor: the asset tag, the key/value stores and the
// raw data items. `tag` names the item (paths/storage_items.hpp).
#pragma once

#include <cstdint>

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError GetAssetTag(VarnMonitor& monitor, char* buffer, int size);
DvError GetAssetTagSize(VarnMonitor& monitor, int* size);
DvError SetEnableAssetTag(VarnMonitor& monitor, int value);
DvError SetAssetTag(VarnMonitor& monitor, const char* text);
DvError GetUDI(VarnMonitor& monitor, char* buffer, int size);
DvError GetUDISize(VarnMonitor& monitor, int* size);
DvError SetUDI(VarnMonitor& monitor, const char* text);
DvError GetUsageTime(VarnMonitor& monitor, int* hours, int* minutes);

// A key/value store. Get: a null buffer asks for the value's length; an
// absent key gives size 0 and success. Set: a null `data` or a size of 0 or
// less removes the key.
DvError GetStoreValue(VarnMonitor& monitor, const char* tag, const char* key, uint8_t* buffer, int* size);
DvError SetStoreValue(VarnMonitor& monitor, const char* tag, const char* key, const uint8_t* data, int size);
DvError ResetStore(VarnMonitor& monitor, const char* tag);
int SupportedStore(VarnMonitor& monitor, const char* tag);

// A raw item: its size and support word, and `length` bytes of record
// `item` from byte `offset`, or written as the record.
DvError GetItemInfo(VarnMonitor& monitor, const char* tag, int* size, int* support);
DvError ReadItem(VarnMonitor& monitor, const char* tag, int item, uint8_t* buffer, int length, int offset);
DvError WriteItem(VarnMonitor& monitor, const char* tag, int item, const uint8_t* data, int length);
int SupportedItem(VarnMonitor& monitor, const char* tag);

}  // namespace dvc::features
