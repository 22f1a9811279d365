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

    DVC_PATH_SLOTS(DVC_PATH_HID_OVERRIDE)
    DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_PATH_HID_OVERRIDE)

private:
    // Behaviours shared by many primitives (see path_slots.hpp).
    DvError Identifiers(const uint32_t& code, std::string& first, std::string& second);
    DvError Support(const uint32_t& code, int32_t* flag);
    DvError Range(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum);
    DvError RangeAlways(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum);
    DvError ValueRead(const uint32_t& code, uint32_t* value);
    DvError ValueWrite(const uint32_t& code, uint32_t value);
    DvError ValueWrite(const uint32_t& code, const uint32_t* value);
    DvError BoolRead(const uint32_t& code, int* out);
    DvError BoolWrite(const uint32_t& code, const int* value);
    DvError IntWrite(const uint32_t& code, int value);
    DvError RatioReadStrict(const uint32_t& code, double* ratio, uint32_t* raw);
    DvError RatioReadLenient(const uint32_t& code, double* ratio, uint32_t* raw);
    DvError RatioWriteChecked(const uint32_t& code, const double* ratio, const uint32_t* raw, const int* useRaw);
    DvError RatioWriteUnchecked(const uint32_t& code, const double* ratio, const uint32_t* raw,
                                const int* useRaw);

    // Ratio conversions with the support flag weighed (`lenient`: only the
    // flag; otherwise a zero maximum fails too) or not (`checked` = false).
    DvError RatioReadWith(const uint32_t& code, double* ratio, uint32_t* raw, bool lenient);
    DvError RatioWriteWith(const uint32_t& code, const double* ratio, const uint32_t* raw, const int* useRaw,
                           bool checked);
    // Selects LUT block `block` with `selectCode`: a value write, or a
    // two-byte data write for a device that wants the block number so.
    DvError SelectLutBlock(uint32_t selectCode, uint32_t block);

    uint32_t handle_;
    std::string first_;
    std::string second_;
};
