// Codes and layouts of the tagged data transfer: named items moved in
// fixed-size blocks over the generic data primitives of either path.
#pragma once

#include <array>
#include <cstdint>

namespace dvc::paths::tags {

inline constexpr uint32_t kHeaderCode = 0xFF0200C2;        // request header, written
inline constexpr uint32_t kDescriptionCode = 0xFF0200C3;   // tag description, read
inline constexpr uint32_t kBlock128Code = 0xFF0200C4;      // 128-byte blocks
inline constexpr uint32_t kBlock512Code = 0xFF0200C7;      // 512-byte blocks
inline constexpr uint32_t kCombinedReadCode = 0xFF0200FD;  // header + 512-byte block, read
inline constexpr uint32_t kCombinedWriteCode = 0xFF0200FE; // header + 512-byte block, written

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
