// Vocabulary shared by the simulator's C++ API: links and operations. The
// monitors answer with the DvError codes of libdvc/dvc_types.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dvc::sim {

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

std::string_view LinkName(Link link);  // "DDC/CI", "HID"
std::string_view OpName(Op op);        // "GetValue", ...

}  // namespace dvc::sim
