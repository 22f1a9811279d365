// Monitors for feature-table tests: one reached over two scripted paths
// (the second attached only when a test asks), and one with no path.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "paths/scripted_path.hpp"
#include "support/registry_seam.hpp"

namespace dvc::test {

inline constexpr const char* kSerial = "SER00001";
inline constexpr const char* kModel = "TESTMODEL";
inline constexpr const char* kBareSerial = "SER00002";
inline constexpr const char* kBareModel = "NOPATHS";

class TableTest : public ::testing::Test {
public:
    // "Op:code" as ScriptedPath::Trace writes it.
    static std::string At(const char* op, uint32_t code) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", code);
        return std::string(op) + ":" + hex;
    }

protected:
    void SetUp() override { Attach(false); }
    void TearDown() override { ResetLibrary(); }

    // Registers both monitors afresh; the first gets `first`, and `second`
    // too when asked.
    void Attach(bool withSecond) {
        SeedMonitors({{kSerial, kModel}, {kBareSerial, kBareModel}});
        VarnMonitor* monitor = registry::Registry::Instance().FindDiscovered(kSerial, kModel);
        monitor->AddPath(&first);
        if (withSecond) monitor->AddPath(&second);
    }

    ScriptedPath first{kSerial, kModel};
    ScriptedPath second{kSerial, kModel};
};

}  // namespace dvc::test
