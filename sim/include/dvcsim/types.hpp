// Vocabulary shared by the simulator's C++ API: links, operations, results.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dvcsim {

// The two media over which a virtual monitor answers.
enum class Link : uint8_t { DDCCI, HID };

// Every transport operation that reaches the simulator, named after the
// transport function that carries it.
enum class Op : uint8_t {
    IsSupported,
    GetFixedData,
    GetValue,
    SetValue,
    GetData,
    SetData,
    SetDataNoCheckResult,
    SetCommunicationType,
    Find,
    Retrieve,
    ReportON,
    ReportOFF,
    SupportsCriticalSection,
    EnterCriticalSection,
    ExitCriticalSection,
    Release,
};

inline constexpr int kOpCount = static_cast<int>(Op::Release) + 1;

// Result codes that the virtual monitors answer with (the transport's code
// space: negative is failure).
namespace result {
inline constexpr int32_t kOk = 0;
inline constexpr int32_t kFailed = static_cast<int32_t>(0x80000000u);
inline constexpr int32_t kInvalidParameter = static_cast<int32_t>(0x80000001u);
inline constexpr int32_t kSizeMismatch = static_cast<int32_t>(0x80000003u);
inline constexpr int32_t kRefused = static_cast<int32_t>(0x80000006u);
inline constexpr int32_t kNotSupported = static_cast<int32_t>(0x80000007u);
inline constexpr int32_t kTimeout = static_cast<int32_t>(0x80000013u);
}  // namespace result

std::string_view LinkName(Link link);  // "DDC/CI", "HID"
std::string_view OpName(Op op);        // "GetValue", ...

}  // namespace dvcsim
