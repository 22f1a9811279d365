// Shared by the simulator suites: a fresh in-process world per test, and one
// link to one virtual monitor over ddclink or hidlink with byte vectors.
#pragma once

#include <ddclink/ddclink.h>
#include <gtest/gtest.h>
#include <hidlink/hidlink.h>

#include <dvcsim/dvcsim.hpp>
#include <string>
#include <vector>

namespace dvc::test {

using Bytes = std::vector<uint8_t>;

// The default world. DDC/CI type 0 lists CX, OF1, OF2, CG; type 1 lists CG,
// MX; HID finds CX, CG, MX.
inline constexpr const char *kCX = "21409001", *kOF1 = "17200455", *kOF2 = "17200456", *kCG = "23100077",
                            *kMX = "22050012";

struct Wire {
    bool hid = false;
    uint32_t target = 0;  // DDC/CI index or HID handle

    int32_t Write(uint32_t code, const Bytes& b) const {
        const auto n = static_cast<uint32_t>(b.size());
        return hid ? DvHIDSetData(target, code, b.data(), n, 0) : DvDDCCISetData(target, code, b.data(), n);
    }
    int32_t Read(uint32_t code, uint32_t size, Bytes& out) const {
        out.assign(size, 0);
        return hid ? DvHIDGetData(target, code, out.data(), size) : DvDDCCIGetData(target, code, out.data(), size);
    }
    Bytes Read(uint32_t code, uint32_t size) const {
        Bytes out;
        EXPECT_EQ(Read(code, size, out), 0) << "read of 0x" << std::hex << code;
        return out;
    }
    int32_t SetValue(uint32_t code, uint32_t v) const {
        return hid ? DvHIDSetValue(target, code, v, 0) : DvDDCCISetValue(target, code, &v);
    }
    uint32_t Value(uint32_t code) const {
        uint32_t v = 0xDEADBEEF;
        hid ? DvHIDGetValue(target, code, &v) : DvDDCCIGetValue(target, code, &v);
        return v;
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
    bool Supported(uint32_t code) const {
        int32_t max = 0;
        uint32_t length = 0;
        return hid ? Fixed(code, max, length) : DvDDCCIIsSupported(target, code) == 1;
    }
};

// The HID handle of a monitor, by the serial number its identification
// block carries (after DvHIDFind).
inline uint32_t HidHandleOf(const std::string& serial) {
    uint32_t handle = 0;
    for (uint32_t i = 0; DvHIDRetrieve(i, &handle) == 0; ++i) {
        char id[8] = {};
        if (DvHIDGetData(handle, 0x11, id, 8) == 0 && std::string(id, 8) == serial) return handle;
    }
    return 0;
}

class WorldTest : public ::testing::Test {
protected:
    void Activate(const std::string& world = "default") {
        auto s = sim::ActivateWorld(world);
        ASSERT_TRUE(s.ok) << s.message;
    }
    // The default world with both transports' lists made (DDC/CI type 0).
    void Open() {
        Activate();
        ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
        ASSERT_EQ(DvDDCCIFind(), 4);
        ASSERT_EQ(DvHIDFind(), 3);
    }
    void TearDown() override {
        DvHIDRelease();
        DvDDCCIRelease();
        sim::DeactivateWorld();
    }
    static Wire Ddc(uint32_t index) { return Wire{false, index}; }
    static Wire Hid(const char* serial) { return Wire{true, HidHandleOf(serial)}; }
};

}  // namespace dvc::test
