// The transports alone (this binary does not link libdvcsim): before any
// discovery they answer their default results; without a world they use
// their hardware backends and find nothing; DVC_SIM makes them load the
// simulator at discovery.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>
#include <libdvc/dvc_types.h>

namespace dvc::test {
namespace {

bool SimLoaded() {
    void* lib = dlopen("libdvcsim.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (lib != nullptr) dlclose(lib);
    return lib != nullptr;
}

// What calls that name a monitor or handle answer when there is none:
// before any discovery (the front's default) and after the hardware found none.
const struct {
    const char* name;
    std::function<int32_t()> call;
    int32_t before, hardware;
} kCalls[] = {
    {"IsSupported", [] { return DvDDCCIIsSupported(0, 0x88); }, 0, 0},
    {"DDC SetData", [] { return DvDDCCISetData(0, 0x12, "x", 1); }, DvErrFailed, DvErrFailed},
    {"DDC Release", [] { return DvDDCCIRelease(); }, 0, 0},
    {"Retrieve",
     [] {
         uint32_t h;
         return DvHIDRetrieve(0, &h);
     },
     DvErrFailed, DvErrInvalidParameter},
    {"HID GetValue",
     [] {
         uint32_t v;
         return DvHIDGetValue(1, 0x88, &v);
     },
     DvErrFailed, DvErrFailed},
    {"SupportsCriticalSection", [] { return DvHIDSupportsCriticalSection(1); }, 0, 0},
    {"HID Release", [] { return DvHIDRelease(); }, 0, 0},
};

// One test, in steps: the simulator can be loaded into a process only once.
TEST(TransportSelection, NoneThenHardwareThenABadWorldThenTheDefaultWorld) {
    unsetenv("DVC_SIM");
    for (const auto& c : kCalls) EXPECT_EQ(c.call(), c.before) << c.name << " before any discovery";
    EXPECT_EQ(DvDDCCISetCommunicationType(0), 0);
    EXPECT_EQ(DvDDCCIFind(), 0);
    EXPECT_EQ(DvHIDFind(), 0);
    for (const auto& c : kCalls) EXPECT_EQ(c.call(), c.hardware) << c.name << " on the hardware";
    EXPECT_FALSE(SimLoaded()) << "a hardware-only process must not load the simulator";

    setenv("DVC_SIM", "/nonexistent/broken-world.json", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(DvDDCCIFind(), 0);
    EXPECT_EQ(DvHIDFind(), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("/nonexistent/broken-world.json"), std::string::npos) << err;
    EXPECT_EQ(err.find("dvcsim"), err.rfind("dvcsim")) << "the message is printed once:\n" << err;

    setenv("DVC_SIM", "default", 1);
    ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
    EXPECT_EQ(DvDDCCIFind(), 4);
    ASSERT_EQ(DvHIDFind(), 3);
    EXPECT_TRUE(SimLoaded());
    uint32_t h = 0, v = 0;
    ASSERT_EQ(DvHIDRetrieve(0, &h), 0);
    ASSERT_EQ(DvHIDSetValue(h, 0x88, 61, 0), 0);
    ASSERT_EQ(DvDDCCIGetValue(0, 0x88, &v), 0);
    EXPECT_EQ(v, 61u) << "the CX2740 is HID device 0 and DDC/CI index 0: one monitor, one state";
    EXPECT_EQ(DvDDCCIRelease() | DvHIDRelease(), 0);
    unsetenv("DVC_SIM");
}

}  // namespace
}  // namespace dvc::test
