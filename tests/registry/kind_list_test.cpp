#include <gtest/gtest.h>

#include <vector>

#include "registry/discovery.hpp"

using dvc::registry::BuildKindList;

namespace {
std::vector<int> Kinds(std::vector<int> in) { return BuildKindList(in.data(), static_cast<int>(in.size())); }
}  // namespace

TEST(KindList, DefaultIsHidThenDdcci) {
    const std::vector<int> expected{0, 1};
    EXPECT_EQ(BuildKindList(nullptr, 0), expected);
    EXPECT_EQ(BuildKindList(nullptr, 3), expected);
    const int some[] = {2};
    EXPECT_EQ(BuildKindList(some, 0), expected);
    EXPECT_EQ(BuildKindList(some, -4), expected);
    EXPECT_EQ(Kinds({0, 1}), expected);
}

TEST(KindList, FirstDdcciTypeNamedWins) {
    EXPECT_EQ(Kinds({2, 1, 0}), (std::vector<int>{2, 0}));
    EXPECT_EQ(Kinds({1, 2}), (std::vector<int>{1}));
    EXPECT_EQ(Kinds({0, 2, 0, 1}), (std::vector<int>{0, 2}));
}

TEST(KindList, RepeatsAreTakenOnce) { EXPECT_EQ(Kinds({1, 1, 1}), (std::vector<int>{1})); }

TEST(KindList, UnknownKindsStayButSelectNothing) {
    EXPECT_EQ(Kinds({5}), (std::vector<int>{5}));
    EXPECT_EQ(Kinds({5, -1, 5, 0}), (std::vector<int>{5, -1, 0}));
}
