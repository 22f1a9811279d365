// The discovery cache across runs: with DVCTL_DISCOVERY_CACHE=1, what the
// transports read of each monitor at discovery is kept in the user's cache
// folder ($XDG_CACHE_HOME/dvctl, else ~/.cache/dvctl), so that the next
// run checks each monitor with one read of its identification and takes
// the rest as kept; any mismatch drops what was kept for that monitor.
#pragma once

namespace dvc::cli {

// Before the first discovery: names the folder to the transports, when the
// cache is wanted and the folder can be made.
void UseDiscoveryCache();

}  // namespace dvc::cli
