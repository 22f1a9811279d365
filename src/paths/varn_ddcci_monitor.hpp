// A communication path over DDC/CI, through the ddclink transport. The
// monitor is named by its index in ddclink's list; the index stays valid
// from discovery until the list is released.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

class VarnDDCCIMonitor final : public VarnMonitorInterface {
public:
    using List = std::vector<std::unique_ptr<VarnDDCCIMonitor>>;

    VarnDDCCIMonitor(std::string first, std::string second, uint32_t index);
    ~VarnDDCCIMonitor() override;

    // The process-wide list of DDC/CI paths, which owns them.
    static List& Monitors();
    // Enumerates over `communicationType` and appends a path for every
    // monitor whose identification block could be read. Returns the size of
    // the list (earlier entries included), or 0 when ddclink refuses the
    // communication type.
    static int FindMonitors(int32_t communicationType);
    // Frees ddclink's list, then deletes every path. Returns ddclink's result.
    static DvError ReleaseMonitors();

    DVC_PATH_SLOTS(DVC_PATH_DECLARE)
    DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_PATH_DECLARE)
};
