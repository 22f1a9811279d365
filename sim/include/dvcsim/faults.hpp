// Scripted faults: make chosen transport calls fail or return bad data.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "dvcsim/types.hpp"
#include "libdvc/dvc_types.h"

namespace dvc::sim {

enum class FaultKind : uint8_t {
    Result,       // the call returns `result`; the monitor is not reached
    ShortData,    // a data read fills only `keep_bytes` bytes (the rest zero); result 0
    GarbageData,  // a data or value read returns seeded random bytes; result 0
    RefusedData,  // the monitor answers normally but the result is DvErrRefused
    Delay,        // the call takes `delay` longer, then runs normally (a slow monitor)
};

// Discovery is faulted too: Find (either link) fails, is refused, finds
// only `keep_bytes` monitors (ShortData), or reports a garbage count;
// Retrieve fails, withholds the handle (ShortData: 0), gives a garbage
// handle, or refuses; SetCommunicationType fails or refuses. Delay slows
// each of them. So are the calls that move no data (ReportON, ReportOFF,
// the device lock's three calls, Release): an error or a refusal stops the
// call before it has any effect; short or garbage data leave it as it is,
// except that SupportsCriticalSection, whose answer is its result, answers
// garbage.
struct FaultRule {
    std::optional<Link> link;  // any link when empty
    std::string serial;        // any monitor when empty
    Op op = Op::GetValue;
    std::optional<uint32_t> code;  // any code when empty
    uint32_t skip = 0;             // matching calls let through first: skip = n-1 faults the n-th
    uint32_t count = 1;            // calls faulted; 0 = every later match
    double probability = 1.0;      // chance that an eligible call faults (seeded, see SeedFaults)
    FaultKind kind = FaultKind::Result;
    int32_t result = DvErrFailed;
    uint32_t keep_bytes = 0;
    std::chrono::milliseconds delay{0};
};

// Returns an id for RemoveFault. Rules are tried in the order added; the
// first that fires decides.
uint32_t AddFault(const FaultRule& rule);
void RemoveFault(uint32_t id);
void ClearFaults();
void SeedFaults(uint64_t seed);
// How many times the rule has fired.
uint32_t FaultHits(uint32_t id);

}  // namespace dvc::sim
