// Tagged data transfer: named items moved in fixed-size blocks over the
// generic data primitives of either path (codes kTag... of feature_codes.def).
#pragma once

#include <array>
#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// A tag name is 6 bytes, sent and compared as they are; records and block
// numbers are 16-bit.
DvError ReadTagInfo(VarnMonitorInterface& path, const char* tag, uint16_t* first, uint16_t* second);
// ReadTagInfo, then DvErrNotSupported unless first >= firstMinimum or
// second >= secondMinimum.
DvError CheckTagInfo(VarnMonitorInterface& path, const char* tag, uint16_t* first, uint16_t* second,
                     uint32_t firstMinimum, uint32_t secondMinimum);
// Reads `size` bytes of the record from byte `offset`, retrying a failed
// read up to 50 times. Size 0 gives DvErrInvalidParameter with no traffic.
DvError ReadTag(VarnMonitorInterface& path, const char* tag, uint32_t record, void* buffer, uint32_t size,
                uint32_t offset = 0);
// Writes `size` bytes as the record; a try that fails part-way resumes at
// the block that failed (51 tries at most).
DvError WriteTag(VarnMonitorInterface& path, const char* tag, uint32_t record, const void* data, uint32_t size);
// The block size for reading: 512, 128, or 0 when the path moves no tags.
uint32_t TagBlockSize(VarnMonitorInterface& path);

}  // namespace dvc::paths

namespace dvc::paths::tags {

inline constexpr uint32_t kNameBytes = 6;
inline constexpr uint32_t kHeaderBytes = 10;
inline constexpr uint32_t kDescriptionBytes = 16;
inline constexpr uint32_t kCombinedDataBytes = 512;
inline constexpr uint32_t kCombinedBytes = kHeaderBytes + kCombinedDataBytes;
inline constexpr uint32_t kMaxBlockNumber = 0xFFFF;

inline constexpr int kReadAttempts = 50;
inline constexpr int kWriteTries = 51;

// Name, record number and block number, both numbers least significant
// byte first.
using Header = std::array<uint8_t, kHeaderBytes>;
Header MakeHeader(const char* tag, uint32_t record, uint32_t block);

}  // namespace dvc::paths::tags
