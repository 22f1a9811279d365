// The keyed-item reader: presence map first, then each present field of
// the table in order; a reply naming another field fails that field only.
#include <gtest/gtest.h>

#include "selfcal/keyed_item.hpp"

namespace dvc::test {
namespace {

using selfcal::KeyedField;

TEST(SelfQCKeyed, ReadsPresentFieldsInTableOrderAndKeepsGoingPastAFailure) {
    const KeyedField table[] = {{0, 7, 3}, {2, 9, 40}, {9, 1, 1}, {10, 2, 2}, {0, 0, 0}, {11, 3, 1}};
    std::vector<int> asked;
    const auto exchange = [&](std::span<const uint8_t> request, std::span<uint8_t> reply) -> DvError {
        asked.push_back(request[1]);
        if (request[1] == 0xFF) {
            reply[2] = 0b101;  // fields 0 and 2
            reply[3] = 0b110;  // fields 9 and 10, and 11 (past the table's end)
            return DvOk;
        }
        reply[1] = request[1] == 9 ? 8 : request[1];  // field 9 is answered for field 8
        for (std::size_t i = 2; i < reply.size(); ++i) reply[i] = static_cast<uint8_t>(request[1] + i);
        return DvOk;
    };
    selfcal::KeyedMap out;
    EXPECT_EQ(selfcal::ReadKeyedItem(12, table, exchange, out), DvErrFailed);
    EXPECT_EQ(asked, (std::vector<int>{0xFF, 0, 2, 9, 10}));
    EXPECT_EQ(out[7], (std::vector<uint8_t>{2, 3, 4}));
    EXPECT_EQ(out[9].size(), 10u) << "no more than the block holds";
    EXPECT_EQ(out.count(1), 0u);
    EXPECT_EQ(out[2], (std::vector<uint8_t>{12, 13}));
    EXPECT_EQ(selfcal::KeyedCalResultFields().size(), 39u);
    EXPECT_EQ(selfcal::KeyedCalTargetFields().back().size, 0u);
}

}  // namespace
}  // namespace dvc::test
