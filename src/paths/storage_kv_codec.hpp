// The key/value block that the monitor keeps for a store of host data: a
// signature, a checksum of the payload and the records in key order. Pure
// byte work, no traffic, so that anything the monitor sends can be fed to
// the decoder directly.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "libdvc/dvc_types.h"

namespace dvc::paths::kv {

// Key → value bytes, in the byte order of the keys (the order on the wire).
using Map = std::map<std::string, std::vector<uint8_t>>;

inline constexpr uint32_t kSignatureBytes = 4;
inline constexpr uint32_t kHeaderBytes = 6;  // signature and checksum
inline constexpr uint32_t kMinimumBytes = 7;
inline constexpr uint32_t kMaxKeyBytes = 255;
inline constexpr uint32_t kMaxValueBytes = 0xFFFF;

// The 16-bit sum of the payload read as little-endian words, an odd last
// byte padded with a zero.
uint16_t Checksum(std::span<const uint8_t> payload);

// The records of a whole block into `map` (replaced only on success).
// DvErrBadSignature, DvErrChecksum, DvErrDataTruncated when a record or the
// terminator runs out of room, DvErrFailed for a value of length 0.
DvError Decode(std::span<const uint8_t> block, Map& map);

// `map` laid out over the whole of `block` (its size is the item's). Fails
// with DvErrDataTruncated, leaving `block` zeroed, when the records do not
// fit with room for the terminator; DvErrInvalidParameter for a key or a
// value that no record can hold.
DvError Encode(const Map& map, std::span<uint8_t> block);

// True when a key and a value of `size` bytes can be a record.
bool RecordFits(const std::string& key, size_t size);

}  // namespace dvc::paths::kv
