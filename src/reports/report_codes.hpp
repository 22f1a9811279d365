// The codes under which the HID transport delivers a monitor's reports.
#pragma once

#include <cstdint>

namespace dvc::reports {

inline constexpr int32_t kVirtualKey = 2;
inline constexpr int32_t kVirtualKeyMF = 0x68;
inline constexpr int32_t kTonality = 4;
inline constexpr int32_t kColorMode = static_cast<int32_t>(0xFF0000F3);
inline constexpr int32_t kMonitorDirection = static_cast<int32_t>(0xFF010031);
inline constexpr int32_t kUSBSelection = static_cast<int32_t>(0xFF010073);
inline constexpr int32_t kGeneric = static_cast<int32_t>(0xFF010108);

}  // namespace dvc::reports
