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

    VarnDDCCIMonitor(std::string first, std::string second, uint32_t handle);
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

    DVC_PATH_SLOTS(DVC_PATH_DDCCI_OVERRIDE)
    DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_PATH_DDCCI_OVERRIDE)

private:
    // Behaviours shared by many primitives (see path_slots.hpp).
    DvError Identifiers(const uint32_t& code, std::string& first, std::string& second);
    DvError Support(const uint32_t& code, int32_t* flag);
    DvError Range(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum);
    DvError RangeAlways(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum);
    DvError ValueRead(const uint32_t& code, uint32_t* value);
    DvError ValueReadKeep(const uint32_t& code, uint32_t* value);
    DvError ValueWrite(const uint32_t& code, uint32_t value);
    DvError ValueWrite(const uint32_t& code, const uint32_t* value);
    DvError BoolRead(const uint32_t& code, int* out);
    DvError BoolWrite(const uint32_t& code, int value);
    DvError BoolWrite(const uint32_t& code, const int* value);
    DvError RatioRead(const uint32_t& code, double* ratio, uint32_t* raw);
    DvError RatioWrite(const uint32_t& code, const double* ratio, const uint32_t* raw, const int* useRaw);

    // The control's (maximum, minimum), or the failed query's result.
    DvError Bounds(uint32_t code, int32_t& maximum, int32_t& minimum);

    uint32_t handle_;
    std::string first_;
    std::string second_;
};
