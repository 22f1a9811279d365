// Discovery suites: a fresh in-process world per test, and a library that
// has released everything when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>
#include <string>
#include <utility>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/varn_monitor_interface.hpp"
#include "registry/registry.hpp"

namespace dvc::test {

// Serial numbers of the default world.
inline constexpr const char* kDual = "21409001";    // CX2740: DDC/CI type 0 and HID
inline constexpr const char* kOffice1 = "17200455";  // OF2210: DDC/CI type 0
inline constexpr const char* kOffice2 = "17200456";  // OF2210: DDC/CI type 0
inline constexpr const char* kGrading = "23100077";  // CG3180: DDC/CI types 0 and 1, HID
inline constexpr const char* kMedical = "22050012";  // MX2420: DDC/CI type 1, HID

class DiscoveryWorld : public ::testing::Test {
protected:
    void Activate(const std::string& world = "default") {
        const auto status = dvc::sim::ActivateWorld(world);
        ASSERT_TRUE(status.ok) << status.message;
    }
    void ActivateJson(const std::string& json) {
        const auto status = dvc::sim::ActivateWorldJson(json);
        ASSERT_TRUE(status.ok) << status.message;
    }
    void TearDown() override {
        dvc::sim::ClearFaults();
        DvCtrlRelease();
        dvc::sim::DeactivateWorld();
    }

    // The registry in index order, as "serial/model".
    static std::vector<std::string> Registered() {
        std::vector<std::string> out;
        const int n = DvCtrlGetNumMonitors();
        for (int i = 0; i < n; ++i) {
            char serial[9] = {};
            char model[17] = {};
            if (DvCtrlGetSerialProduct(i, serial, model) == DvOk) out.push_back(std::string(serial) + "/" + model);
        }
        return out;
    }
    // The kinds of a monitor's paths in list order: 0 for HID, 1 for DDC/CI.
    static std::vector<int> PathKinds(const std::string& serial, const std::string& model) {
        std::vector<int> kinds;
        const VarnMonitor* monitor = registry::Registry::Instance().Find(serial, model);
        if (monitor == nullptr) return kinds;
        for (VarnMonitorInterface* path : monitor->Paths()) {
            uint32_t handle = 0;
            kinds.push_back(path->GetHandle(&handle) == DvOk ? 0 : 1);
        }
        return kinds;
    }
    static int FirstKind(const std::string& serial, const std::string& model) {
        int kind = 99;
        DvCtrlGetCommunicationPath(serial.c_str(), model.c_str(), &kind);
        return kind;
    }
    // Transactions of one operation, in order.
    static std::vector<dvc::sim::Transaction> Log(dvc::sim::Op op) {
        std::vector<dvc::sim::Transaction> out;
        for (const auto& t : dvc::sim::Transactions()) {
            if (t.op == op) out.push_back(t);
        }
        return out;
    }
    static uint32_t HandleOf(const std::string& serial) {
        for (const auto& m : dvc::sim::Monitors()) {
            if (m.serial == serial) return m.hid_handle;
        }
        return 0;
    }
};

}  // namespace dvc::test
