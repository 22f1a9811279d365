// Shared set-up of the simulator suites: a fresh in-process world per test.
#pragma once

#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>
#include <string>
#include <vector>

namespace dvc::test {

// Serial numbers of the default world.
inline constexpr const char* kCX = "21409001";
inline constexpr const char* kOF1 = "17200455";
inline constexpr const char* kOF2 = "17200456";
inline constexpr const char* kCG = "23100077";
inline constexpr const char* kMX = "22050012";

class WorldTest : public ::testing::Test {
protected:
    void Activate(const std::string& world = "default") {
        auto s = dvc::sim::ActivateWorld(world);
        ASSERT_TRUE(s.ok) << s.message;
    }
    void TearDown() override { dvc::sim::DeactivateWorld(); }

    static std::vector<dvc::sim::Transaction> Log(dvc::sim::Op op) {
        std::vector<dvc::sim::Transaction> out;
        for (auto& t : dvc::sim::Transactions())
            if (t.op == op) out.push_back(t);
        return out;
    }
};

}  // namespace dvc::test
