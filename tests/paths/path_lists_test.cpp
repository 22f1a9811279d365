// The process-wide path lists: discovery appends, add-by-handle, removal
// and release.
#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>

#include "paths/varn_ddcci_monitor.hpp"
#include "paths/varn_hid_monitor.hpp"

namespace {
// Two DDC/CI monitors, one of them also on HID, and a third whose
// identification block is too short to name it.
const char* kWorld = R"({
  "profiles": {"plain": {"model": "Plain 24", "features": {"0x10": {"max": 100}}}},
  "monitors": [
    {"serial": "LIST0001", "profile": "plain", "links": {"ddcci": {"padding": "  "}, "hid": {"padding": "\u0000"}}},
    {"serial": "LIST0002", "profile": "plain", "links": {"ddcci": true}},
    {"serial": "LIST0003", "profile": "plain", "links": {"ddcci": true, "hid": true},
     "features": {"0x11": {"data": [76, 73, 83, 84, 48], "readonly": true}}}
  ]
})";

class PathLists : public ::testing::Test {
protected:
    void SetUp() override {
        const auto status = dvcsim::ActivateWorldJson(kWorld);
        ASSERT_TRUE(status.ok) << status.message;
    }
    void TearDown() override {
        VarnHIDMonitor::ReleaseMonitors();
        VarnDDCCIMonitor::ReleaseMonitors();
        dvcsim::DeactivateWorld();
    }
    static uint32_t HandleOf(const std::string& serial) {
        for (const auto& m : dvcsim::Monitors()) {
            if (m.serial == serial) return m.hid_handle;
        }
        return 0;
    }
    template <class List>
    static std::vector<std::string> Pairs(const List& list) {
        std::vector<std::string> out;
        for (const auto& path : list) {
            std::string serial, model;
            path->GetIdentifiers(0x11, serial, model);
            out.push_back(serial + "/" + model);
        }
        return out;
    }
};
}  // namespace

TEST_F(PathLists, DdcciDiscoveryAppendsAndSkipsShortBlocks) {
    EXPECT_EQ(VarnDDCCIMonitor::FindMonitors(0), 2);
    EXPECT_EQ(VarnDDCCIMonitor::FindMonitors(0), 4);
    EXPECT_EQ(Pairs(VarnDDCCIMonitor::Monitors()),
              (std::vector<std::string>{"LIST0001/Plain 24", "LIST0002/Plain 24", "LIST0001/Plain 24",
                                        "LIST0002/Plain 24"}));
}

TEST_F(PathLists, RefusedCommunicationTypeFindsNothing) {
    EXPECT_EQ(VarnDDCCIMonitor::FindMonitors(7), 0);
    EXPECT_TRUE(VarnDDCCIMonitor::Monitors().empty());
}

TEST_F(PathLists, ReleaseEmptiesTheListAndAlwaysReleasesTheTransport) {
    EXPECT_EQ(VarnDDCCIMonitor::ReleaseMonitors(), DvOk);
    ASSERT_EQ(VarnDDCCIMonitor::FindMonitors(0), 2);
    dvcsim::ClearTransactions();
    EXPECT_EQ(VarnDDCCIMonitor::ReleaseMonitors(), DvOk);
    EXPECT_TRUE(VarnDDCCIMonitor::Monitors().empty());
    const auto log = dvcsim::Transactions();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().op, dvcsim::Op::Release);
}

TEST_F(PathLists, AddRefusesNullKnownAndNamelessDevices) {
    ASSERT_EQ(VarnHIDMonitor::FindMonitors(), 1);
    dvcsim::ClearTransactions();
    EXPECT_EQ(VarnHIDMonitor::AddMonitor(0, nullptr, nullptr), nullptr);
    EXPECT_EQ(VarnHIDMonitor::AddMonitor(HandleOf("LIST0001"), nullptr, nullptr), nullptr);
    EXPECT_TRUE(dvcsim::Transactions().empty());  // a known handle is not asked again
    std::string serial = "untouched";
    EXPECT_EQ(VarnHIDMonitor::AddMonitor(HandleOf("LIST0003"), &serial, nullptr), nullptr);
    EXPECT_EQ(VarnHIDMonitor::AddMonitor(0xFFFF0000u, &serial, nullptr), nullptr);
    EXPECT_EQ(serial, "untouched");
    EXPECT_EQ(VarnHIDMonitor::Monitors().size(), 1u);
}

TEST_F(PathLists, RemoveDeletesOnlyAnExactMatch) {
    EXPECT_EQ(VarnHIDMonitor::RemoveMonitor("LIST0001", "Plain 24"), DvErrFailed);  // empty list
    ASSERT_EQ(VarnHIDMonitor::FindMonitors(), 1);
    EXPECT_EQ(VarnHIDMonitor::RemoveMonitor("LIST0001", "Plain"), DvErrFailed);
    EXPECT_EQ(VarnHIDMonitor::RemoveMonitor("LIST0001", "Plain 24 "), DvErrFailed);
    EXPECT_EQ(VarnHIDMonitor::Monitors().size(), 1u);
    EXPECT_EQ(VarnHIDMonitor::RemoveMonitor("LIST0001", "Plain 24"), DvOk);
    EXPECT_TRUE(VarnHIDMonitor::Monitors().empty());
}
