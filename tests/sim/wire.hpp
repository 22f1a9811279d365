// One link to one virtual monitor, over ddclink or hidlink, with byte
// vectors: what the simulator suites need to drive block items by hand.
#pragma once

#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>
#include <libdvc/dvc_types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dvc::test {

using Bytes = std::vector<uint8_t>;

struct Wire {
    bool hid = false;
    uint32_t target = 0;  // DDC/CI index or HID handle

    int32_t Write(uint32_t code, const Bytes& b) const {
        return hid ? DvHIDSetData(target, code, b.data(), static_cast<uint32_t>(b.size()), 0)
                   : DvDDCCISetData(target, code, b.data(), static_cast<uint32_t>(b.size()));
    }
    // Reads `size` bytes into `out` (resized); returns the transport result.
    int32_t Read(uint32_t code, uint32_t size, Bytes& out) const {
        out.assign(size, 0);
        return hid ? DvHIDGetData(target, code, out.data(), size) : DvDDCCIGetData(target, code, out.data(), size);
    }
    Bytes Read(uint32_t code, uint32_t size) const {
        Bytes out;
        Read(code, size, out);
        return out;
    }
    int32_t SetValue(uint32_t code, uint32_t v) const {
        return hid ? DvHIDSetValue(target, code, v, 0) : DvDDCCISetValue(target, code, &v);
    }
    uint32_t Value(uint32_t code) const {
        uint32_t v = 0xDEADBEEF;
        if (hid) DvHIDGetValue(target, code, &v);
        else DvDDCCIGetValue(target, code, &v);
        return v;
    }
    bool Supported(uint32_t code) const {
        if (!hid) return DvDDCCIIsSupported(target, code) == 1;
        int32_t flag = 0;
        DvHIDGetFixedData(target, code, nullptr, nullptr, &flag, nullptr);
        return flag != 0;
    }
    // Fixed data: maximum and length; false when the code is not answered.
    bool Fixed(uint32_t code, int32_t& max, uint32_t& length) const {
        int32_t flag = 1;
        const int32_t r = hid ? DvHIDGetFixedData(target, code, &max, nullptr, &flag, &length)
                              : DvDDCCIGetFixedData(target, code, &max, nullptr, &length);
        return (r >= 0 || r == DvErrRefused) && flag != 0;
    }
    uint32_t Length(uint32_t code) const {
        int32_t max = 0;
        uint32_t length = 0;
        return Fixed(code, max, length) ? length : 0;
    }
};

// Finds the HID handle of a monitor by the serial number in its
// identification block (after DvHIDFind).
inline uint32_t HidHandleOf(const std::string& serial) {
    uint32_t handle = 0;
    for (uint32_t i = 0; DvHIDRetrieve(i, &handle) == 0; ++i) {
        char id[8] = {};
        if (DvHIDGetData(handle, 0x11, id, 8) == 0 && std::string(id, 8) == serial) return handle;
    }
    return 0;
}

}  // namespace dvc::test
