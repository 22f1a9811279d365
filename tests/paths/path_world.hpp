// The virtual monitor of path_tester.json on both links and a path of each
// kind to it. Waits are recorded, not slept.
#pragma once

#include <gtest/gtest.h>

#include "paths/varn_ddcci_monitor.hpp"
#include "paths/varn_hid_monitor.hpp"
#include "support/sim_log.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {

using Bytes = std::vector<uint8_t>;
using Results = std::vector<DvError>;
using Values = std::vector<int64_t>;
using dvc::sim::FaultKind;
using dvc::sim::Op;
inline constexpr const char* kSerial = "PATH0001";

// Bytes unlike their neighbours and those 128 or 512 away.
inline Bytes Pattern(size_t size) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
    return bytes;
}

class PathWorld : public ::testing::Test {
protected:
    void SetUp() override {  // every call reaches the log: the transports keep no answers
        setenv("DVC_LINK_CACHE", "off", 1);
        Use("{}");
    }
    void TearDown() override {
        Release();
        dvc::sim::DeactivateWorld();
        unsetenv("DVC_LINK_CACHE");
    }
    // The world with `patch` merged over the monitor's features, its two paths found, the log empty.
    void Use(const std::string& patch) {
        Release();
        const auto status =
            dvc::sim::ActivateWorldJson(R"({"monitors": [{"serial": "PATH0001", "profile": ")" DVC_PATH_TESTER
                                        R"(", "links": {"ddcci": true, "hid": true},
                                                      "features": )" +
                                        patch + "}]}");
        ASSERT_TRUE(status.ok) << status.message;
        ASSERT_EQ(VarnDDCCIMonitor::FindMonitors(0) + VarnHIDMonitor::FindMonitors(), 2);
        ddcci = VarnDDCCIMonitor::Monitors()[0].get();
        hid = VarnHIDMonitor::Monitors()[0].get();
        dvc::sim::ClearTransactions();
    }
    static void Release() {
        VarnHIDMonitor::ReleaseMonitors();
        VarnDDCCIMonitor::ReleaseMonitors();
    }
    static uint32_t Stored(uint32_t code, uint32_t slot = 0) {
        return dvc::sim::GetStateValue(kSerial, code, slot).value_or(0xDEADBEEF);
    }

    WaitRecorder waits;
    VarnDDCCIMonitor* ddcci = nullptr;
    VarnHIDMonitor* hid = nullptr;
};

}  // namespace dvc::test
