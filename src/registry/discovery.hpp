// Discovery: turns the communication paths that the transports find into
// logical monitors, one per identifier pair, and publishes them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "libdvc/dvc_types.h"

class VarnMonitorInterface;
class VarnMonitor;

namespace dvc::registry {

// The path kinds to discover, in order. A null array, a count of 0 or a
// negative count give [HID, DDC/CI type 0]. Otherwise each value is taken
// once, in the caller's order, and only the first DDC/CI kind named (1 or 2)
// is kept, since one discovery talks to ddclink with one communication
// type. Unknown values stay in the list and select nothing.
std::vector<int> BuildKindList(const int* kinds, int count);

// Discards every monitor and path found before, discovers over `kinds`,
// publishes the registry and identifies every monitor in key order.
// Returns the number of logical monitors. The caller holds the exclusive
// section and, in thread-safe mode, the registry lock.
int Discover(std::span<const int> kinds);

// Empties registry and discovery map and releases every path of both
// transports. The caller holds the exclusive section and the registry lock.
void ReleaseEverything();

// Joins `path` to the logical monitor with its identifier pair, creating
// that monitor (first met over `kind`) when it is new.
VarnMonitor& MergePath(VarnMonitorInterface& path, int kind);

}  // namespace dvc::registry
