// A world with one monitor on both links whose features exercise the path
// primitives, and helpers to read what the paths sent.
#pragma once

#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>
#include <string>
#include <vector>

#include "paths/varn_ddcci_monitor.hpp"
#include "paths/varn_hid_monitor.hpp"

namespace dvc::test {

inline constexpr const char* kPathSerial = "PATH0001";

inline const char* kPathWorld = R"({
  "profiles": {"path-tester": {"model": "PathTester", "features": {
    "0x88": {"max": 101, "value": 40},
    "0x12": {"max": 0, "value": 7, "check": "none"},
    "0x13": {"max": 100, "value": 25, "flag": 0},
    "0x92": {"min": 0, "max": 100, "value": 60},
    "0x93": {"min": -3, "max": 0, "value": 0},
    "0x62": {"max": 100, "value": "0x1234", "check": "none"},
    "0x63": {"max": 300, "value": "0x1234", "check": "none"},
    "0xC0": {"data": [0, 0, 0, 0], "min": 100, "max": 7000},
    "0xB8": {"kind": "mutex", "value": 0},
    "0x52": {"max": "0xFFFFFFFF", "value": 0, "length": 2},
    "0xE1": {"max": 5, "value": 0},
    "0x01": {"max": "0xFFFF", "value": "0xFD", "length": 4},
    "0x71": {"data": [52, 18, 0, 0], "partial": true},
    "0xAA": {"data": [0, 0, 1, 0]},
    "0x18": {"kind": "lut-select"},
    "0x72": {"kind": "lut-select", "select_by": "data"},
    "0xB9": {"kind": "edid-pages", "page": 0},
    "0xC6": {"max": 70000, "value": "0x1FF", "check": "none"},
    "0xC7": {"data": [16, 39, 5, 0]}
  }}},
  "monitors": [
    {"serial": "PATH0001", "profile": "path-tester", "links": {"ddcci": {"types": [0]}, "hid": {}}}
  ]
})";

// Activates the world and makes one path of each kind to its monitor.
class PathWorld : public ::testing::Test {
protected:
    void SetUp() override {
        const auto status = dvcsim::ActivateWorldJson(kPathWorld);
        ASSERT_TRUE(status.ok) << status.message;
        ASSERT_EQ(VarnDDCCIMonitor::FindMonitors(0), 1);
        ASSERT_EQ(VarnHIDMonitor::FindMonitors(), 1);
        ddcci = VarnDDCCIMonitor::Monitors()[0].get();
        hid = VarnHIDMonitor::Monitors()[0].get();
        dvcsim::ClearTransactions();
    }
    void TearDown() override {
        VarnHIDMonitor::ReleaseMonitors();
        VarnDDCCIMonitor::ReleaseMonitors();
        dvcsim::DeactivateWorld();
    }

    // The writes that reached the monitor over one link.
    static std::vector<dvcsim::Transaction> Writes(dvcsim::Link link) {
        std::vector<dvcsim::Transaction> out;
        for (const auto& t : dvcsim::Transactions()) {
            if (t.link == link && (t.op == dvcsim::Op::SetValue || t.op == dvcsim::Op::SetData)) out.push_back(t);
        }
        return out;
    }
    static std::size_t Count(dvcsim::Link link) {
        std::size_t n = 0;
        for (const auto& t : dvcsim::Transactions()) n += t.link == link ? 1 : 0;
        return n;
    }
    static uint32_t Stored(uint32_t code, uint32_t slot = 0) {
        return dvcsim::GetStateValue(kPathSerial, code, slot).value_or(0xDEADBEEF);
    }

    VarnDDCCIMonitor* ddcci = nullptr;
    VarnHIDMonitor* hid = nullptr;
};

}  // namespace dvc::test
