// A communication path over USB HID, through the hidlink transport. The
// device is named by the handle that hidlink handed out (never 0). Beyond
// DDC/CI it carries LUT block transfers, the EDID read, chromaticity,
// monitor-initiated reports and hidlink's device lock.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

class VarnHIDMonitor final : public VarnMonitorInterface {
public:
    using List = std::vector<std::unique_ptr<VarnHIDMonitor>>;

    VarnHIDMonitor(uint32_t handle, std::string first, std::string second);
    ~VarnHIDMonitor() override;

    // The process-wide list of HID paths, which owns them.
    static List& Monitors();
    // Enumerates the HID monitors and appends a path for every device whose
    // identification block could be read. Returns the size of the list
    // (earlier entries included).
    static int FindMonitors();
    // A path for a handle that the host already holds, appended to the
    // list, with its pair copied into the non-null strings. Null for handle
    // 0, for a handle already listed, and for a device that does not
    // identify itself.
    static VarnHIDMonitor* AddMonitor(uint32_t handle, std::string* first, std::string* second);
    // Deletes the first listed path with this pair; 0x80000000 when none.
    static DvError RemoveMonitor(const std::string& first, const std::string& second);
    // Frees hidlink's handles, then deletes every path. Returns hidlink's result.
    static DvError ReleaseMonitors();

    DVC_PATH_SLOTS(DVC_PATH_DECLARE)
    DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_PATH_DECLARE)
};
