// Per-path access to the data items the monitor keeps in its own storage:
// the two key/value stores and the raw items, all moved with the tagged
// transfer (paths/tagged_transfer.hpp).
#pragma once

#include <cstdint>

#include "paths/storage_kv_codec.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths::items {

// The items by tag name (6 characters, no terminator on the wire).
inline constexpr const char* kSdkData = "BAK328";
inline constexpr const char* kApplicationData = "BAK196";
inline constexpr const char* kCalibrationData = "AIC652";
inline constexpr const char* kEgdData = "AIC651";
inline constexpr const char* kRearGamma = "AIC500";
inline constexpr const char* kRearGammaMono = "AIC955";
inline constexpr const char* kUsageTimeEachBrightness = "BAK400";

// The item's size and support word from its description. The support word
// is signed: 0 or less means the monitor does not keep the item.
DvError ItemInfo(VarnMonitorInterface& path, const char* tag, uint32_t* size, int32_t* support);
// Nonzero when the path answers for the item and keeps it.
int ItemSupported(VarnMonitorInterface& path, const char* tag);

// The whole key/value store into `map`: DvErrNotSupported when the item is
// absent or below 7 bytes; transfer failures as they come; then the block's
// own errors (paths/storage_kv_codec.hpp).
DvError ReadKeyValueBlock(VarnMonitorInterface& path, const char* tag, kv::Map& map);
// `map` written as the whole item; nothing is sent when it does not fit.
DvError WriteKeyValueBlock(VarnMonitorInterface& path, const char* tag, const kv::Map& map);
// The store emptied: a block holding no records.
DvError ResetKeyValueBlock(VarnMonitorInterface& path, const char* tag);

}  // namespace dvc::paths::items
