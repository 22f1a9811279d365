// Small steps that the hand-written per-path operations share.
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// Support by fixed data: the flag starts at 0, so a transport that does not
// write it yields no support; the transport's result is not looked at.
inline bool SupportedByFixedData(VarnMonitorInterface& path, uint32_t code) {
    int32_t flag = 0;
    path.ReadFixedData(code, nullptr, nullptr, &flag, nullptr);
    return flag != 0;
}

// The longest block that an operation accepts from a monitor's length
// report; a longer one is treated as a wrong answer, not allocated.
inline constexpr uint32_t kMaxBlockLength = 0x10000;

inline uint16_t Little16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline void PutLittle16(uint8_t* bytes, uint32_t value) {
    bytes[0] = static_cast<uint8_t>(value & 0xFF);
    bytes[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

}  // namespace dvc::paths
