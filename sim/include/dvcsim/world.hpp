// Activating a world of virtual monitors for this process.
//
// A world is a JSON document listing monitors (identification, links, model
// profile). Built-in worlds and profiles are data files named by short names
// ("default", "office", ...). Activation replaces any active world and its
// state. Without an active world the transports still find the world that
// DVC_SIM names (a short name or a path), loaded at their first discovery.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dvcsim/types.hpp"

namespace dvc::sim {

// Outcome of loading a world; `message` names the file and the problem.
struct Status {
    bool ok = true;
    std::string message;
    explicit operator bool() const { return ok; }
};

// Activation also starts the instrumentation afresh: the log, the counters
// and the fault script are cleared and the timing model is the world's
// (off unless the world file or DVC_SIM_TIMING switches it on). With
// DVC_SIM_STATE set, the monitors' state is read from and kept in that file.

// A built-in short name ("default") or a path to a world file.
Status ActivateWorld(const std::string& name_or_path);
// A world given as JSON text; `origin` names it in error messages.
Status ActivateWorldJson(const std::string& json_text, const std::string& origin = "<inline world>");
// Drops the in-process world and its state (reports stop, handles die).
void DeactivateWorld();
// True while an in-process world, or the world that DVC_SIM names, is loaded.
bool WorldActive();
// The first failure that a host should report and exit non-zero for: the
// world DVC_SIM names could not be loaded, or the state file is unusable,
// damaged (and set aside) or could not be written. Empty when none.
std::string Problem();

// Short names of the built-in worlds and profiles that can be found.
std::vector<std::string> BuiltinWorlds();
std::vector<std::string> BuiltinProfiles();

// One monitor of the active world, as the transports present it.
struct MonitorInfo {
    std::string serial;                // 8 characters
    std::string model;                 // without padding
    std::string profile;               // model profile name
    bool ddcci = false;                // reachable over DDC/CI
    std::vector<int32_t> ddcci_types;  // communication types it answers on
    bool hid = false;                  // reachable over HID
    uint32_t hid_handle = 0;           // hidlink handle (never 0 when hid)
};
std::vector<MonitorInfo> Monitors();

// The feature codes one monitor answers on one link, ascending (its profile
// with the monitor's patches; select items add their data codes). Empty
// for an unknown serial number or a link the monitor lacks.
std::vector<uint32_t> FeatureCodes(std::string_view serial, Link link);

}  // namespace dvc::sim
