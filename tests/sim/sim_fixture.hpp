// Shared set-up of the simulator suites: a fresh in-process world per test.
#pragma once

#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>
#include <string>
#include <vector>

namespace simtest {

inline constexpr int32_t kFailed = static_cast<int32_t>(0x80000000u);
inline constexpr int32_t kInvalid = static_cast<int32_t>(0x80000001u);
inline constexpr int32_t kSizeMismatch = static_cast<int32_t>(0x80000003u);
inline constexpr int32_t kRefused = static_cast<int32_t>(0x80000006u);
inline constexpr int32_t kNotSupported = static_cast<int32_t>(0x80000007u);

// Serial numbers of the default world.
inline constexpr const char* kCX = "21409001";
inline constexpr const char* kOF1 = "17200455";
inline constexpr const char* kOF2 = "17200456";
inline constexpr const char* kCG = "23100077";
inline constexpr const char* kMX = "22050012";

class WorldTest : public ::testing::Test {
protected:
    void Activate(const std::string& world = "default") {
        auto s = dvcsim::ActivateWorld(world);
        ASSERT_TRUE(s.ok) << s.message;
    }
    void TearDown() override { dvcsim::DeactivateWorld(); }

    static std::vector<dvcsim::Transaction> Log(dvcsim::Op op) {
        std::vector<dvcsim::Transaction> out;
        for (auto& t : dvcsim::Transactions())
            if (t.op == op) out.push_back(t);
        return out;
    }
};

}  // namespace simtest
