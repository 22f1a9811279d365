// Shared by the suites of hand-written operations: a call with arguments
// that the operation must refuse before any traffic.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "support/sim_world.hpp"

namespace dvc::test {

struct Refusal {
    const char* what;
    std::function<DvError()> call;
    DvError expected = DvErrInvalidParameter;
};

// Each call gives its refusal and sends nothing.
inline void ExpectRefusedFirst(std::initializer_list<Refusal> refusals) {
    for (const Refusal& r : refusals) {
        dvc::sim::ClearTransactions();
        EXPECT_EQ(r.call(), r.expected) << r.what;
        EXPECT_TRUE(dvc::sim::Transactions().empty()) << r.what << " sent something";
    }
}

}  // namespace dvc::test
