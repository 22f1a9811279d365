// The transports alone (this binary does not link libdvcsim): without a
// world they use their hardware backends and find nothing; DVC_SIM makes
// them load the simulator at discovery.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>

namespace {

bool SimLoaded() {
    void* lib = dlopen("libdvcsim.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (lib != nullptr) dlclose(lib);
    return lib != nullptr;
}

// One test, in steps: the simulator can be loaded into a process only once.
TEST(TransportSelection, HardwareFirstThenABadWorldThenTheDefaultWorld) {
    unsetenv("DVC_SIM");
    EXPECT_EQ(DvDDCCISetCommunicationType(0), 0);
    EXPECT_EQ(DvDDCCIFind(), 0);
    EXPECT_EQ(DvHIDFind(), 0);
    uint32_t h = 0, v = 0;
    EXPECT_LT(DvHIDRetrieve(0, &h), 0);
    EXPECT_LT(DvDDCCIGetValue(0, 0x88, &v), 0);
    EXPECT_EQ(DvDDCCIIsSupported(0, 0x88), 0);
    EXPECT_EQ(DvDDCCIRelease(), 0);
    EXPECT_EQ(DvHIDRelease(), 0);
    EXPECT_FALSE(SimLoaded()) << "a hardware-only process must not load the simulator";

    setenv("DVC_SIM", "/nonexistent/broken-world.json", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(DvDDCCIFind(), 0);
    EXPECT_EQ(DvHIDFind(), 0);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("/nonexistent/broken-world.json"), std::string::npos) << err;
    EXPECT_EQ(err.find("dvcsim"), err.rfind("dvcsim")) << "the message is printed once:\n" << err;

    setenv("DVC_SIM", "default", 1);
    ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
    EXPECT_EQ(DvDDCCIFind(), 4);
    ASSERT_EQ(DvHIDFind(), 3);
    EXPECT_TRUE(SimLoaded());
    ASSERT_EQ(DvHIDRetrieve(0, &h), 0);
    EXPECT_NE(h, 0u);
    // The CX2740 is HID device 0 and DDC/CI index 0: one monitor, one state.
    ASSERT_EQ(DvHIDSetValue(h, 0x88, 61, 0), 0);
    ASSERT_EQ(DvDDCCIGetValue(0, 0x88, &v), 0);
    EXPECT_EQ(v, 61u);
    uint32_t w = 17;
    ASSERT_EQ(DvDDCCISetValue(0, 0x88, &w), 0);
    ASSERT_EQ(DvHIDGetValue(h, 0x88, &v), 0);
    EXPECT_EQ(v, 17u);
    EXPECT_EQ(DvDDCCIRelease(), 0);
    EXPECT_EQ(DvHIDRelease(), 0);
    unsetenv("DVC_SIM");
}

}  // namespace
