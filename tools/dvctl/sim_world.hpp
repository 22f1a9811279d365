// The virtual world that --sim selects, and where its monitors keep their
// settings between runs: one state file per world and user, under
// $XDG_STATE_HOME/dvctl (default ~/.local/state/dvctl), unless
// DVC_SIM_STATE names one.
#pragma once

#include <string>
#include <vector>

#include "command.hpp"

namespace dvc::cli {

// The built-in worlds that can be found beside libdvc (or in DVC_SIM_DATA).
std::vector<std::string> BuiltinWorldNames();

// The state file for a world: a short name keeps it, a path gives its file
// name and a digest of the whole path.
std::string DefaultStatePath(const std::string& world);

// Before discovery: checks the world (an unknown name or a missing file is
// a UsageError), selects it and its state file (one that cannot be used is
// a Failure) and, with --sim-fresh, drops the saved settings.
void PrepareVirtualWorld(const GlobalOptions& global);

// After discovery: a Failure when the world named could not be loaded.
void CheckVirtualWorldLoaded(const GlobalOptions& global);

// libdvcsim as the transports loaded it (or from beside libdvc); null when
// it cannot be found.
void* SimLibrary();

}  // namespace dvc::cli
