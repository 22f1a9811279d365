// The shared fixture of the library's suites: a fresh in-process world of
// virtual monitors per test, found through the public discovery export, and
// helpers to read what reached the monitors. Teardown releases everything.
#pragma once

#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>
#include <optional>
#include <string>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/varn_monitor_interface.hpp"
#include "registry/registry.hpp"
#include "support/registry_seam.hpp"

namespace dvc::test {

// The monitors of the default world.
struct WorldMonitor {
    const char* serial;
    const char* model;
};
inline constexpr WorldMonitor kDual{"21409001", "CX2740"};     // DDC/CI type 0 and HID: HID path first
inline constexpr WorldMonitor kOffice{"17200455", "OF2210"};   // DDC/CI type 0, no property tags
inline constexpr WorldMonitor kOffice2{"17200456", "OF2210"};  // DDC/CI type 0
inline constexpr WorldMonitor kGrading{"23100077", "CG3180"};  // DDC/CI types 0 and 1, HID
inline constexpr WorldMonitor kMedical{"22050012", "MX2420"};  // DDC/CI type 1, HID

class SimWorld : public ::testing::Test {
protected:
    void TearDown() override {
        dvc::sim::ClearFaults();
        DvCtrlRelease();
        dvc::sim::DeactivateWorld();
        ResetLibrary();
    }

    // A built-in world by name (or a world file), or a world as JSON text.
    void Activate(const std::string& world = "default") {
        const auto status = dvc::sim::ActivateWorld(world);
        ASSERT_TRUE(status.ok) << status.message;
    }
    void ActivateJson(const std::string& json) {
        const auto status = dvc::sim::ActivateWorldJson(json);
        ASSERT_TRUE(status.ok) << status.message;
    }
    // Activates and discovers over the default path kinds; the log starts
    // empty after discovery.
    void Discover(const std::string& world = "default") {
        Activate(world);
        ASSERT_GT(DvCtrlFind(nullptr, 0), 0);
        dvc::sim::ClearTransactions();
    }
    void DiscoverJson(const std::string& json) {
        ActivateJson(json);
        ASSERT_GT(DvCtrlFind(nullptr, 0), 0);
        dvc::sim::ClearTransactions();
    }

    static VarnMonitor* Monitor(const WorldMonitor& m) {
        return registry::Registry::Instance().Find(m.serial, m.model);
    }

    // The transactions that reached the monitors, in order, of one operation
    // and (when given) one link.
    static std::vector<dvc::sim::Transaction> Log(dvc::sim::Op op, std::optional<dvc::sim::Link> link = std::nullopt) {
        std::vector<dvc::sim::Transaction> out;
        for (const auto& t : dvc::sim::Transactions()) {
            if (t.op == op && (!link || t.link == *link)) out.push_back(t);
        }
        return out;
    }
    // Every write, value or data, in order.
    static std::vector<dvc::sim::Transaction> Writes() {
        std::vector<dvc::sim::Transaction> out;
        for (const auto& t : dvc::sim::Transactions()) {
            if (t.op == dvc::sim::Op::SetValue || t.op == dvc::sim::Op::SetData ||
                t.op == dvc::sim::Op::SetDataNoCheckResult)
                out.push_back(t);
        }
        return out;
    }
    // A monitor's stored value of `code` (slot 0 unless given).
    static std::optional<uint32_t> Stored(const WorldMonitor& m, uint32_t code, uint32_t slot = 0) {
        return dvc::sim::GetStateValue(m.serial, code, slot);
    }
    // Makes every call of `op` on `link` answer `result` from now on.
    static uint32_t FailAll(dvc::sim::Op op, dvc::sim::Link link, int32_t result = DvErrFailed) {
        dvc::sim::FaultRule rule;
        rule.op = op;
        rule.link = link;
        rule.count = 0;
        rule.result = result;
        return dvc::sim::AddFault(rule);
    }
};

}  // namespace dvc::test
