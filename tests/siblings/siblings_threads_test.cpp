// proptag and chromalib called from several threads at once: every read
// sees one whole block or one whole matrix, never a mix or a freed one.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "chromalib/chromalib.h"
#include "proptag/block_writer.hpp"
#include "proptag/proptag.h"

namespace dvc::test {
namespace {

constexpr int kRounds = 2000;

TEST(SiblingThreads, ReadersSeeOneWholeBlock) {
    const auto block = [](uint8_t fill, size_t n) {
        return proptag::BlockWriter().Bytes(1, std::vector<uint8_t>(n, fill)).Build();
    };
    const std::vector<std::vector<uint8_t>> blocks = {block('A', 8), block('B', 12)};
    std::vector<std::thread> threads;
    for (int writer = 0; writer < 2; ++writer) {
        threads.emplace_back([&, writer] {
            for (int i = 0; i < kRounds; ++i) {
                const auto& b = blocks[(i + writer) % 2];
                const auto length = static_cast<uint32_t>(b.size());
                EXPECT_EQ(DvpTagParse(b.data(), &length), PROPTAG_OK);
                if (i % 97 == 0) DvpReleaseTagData();
            }
        });
    }
    for (int reader = 0; reader < 2; ++reader) {
        threads.emplace_back([] {
            const uint16_t tag = 1;
            for (int i = 0; i < kRounds; ++i) {
                uint8_t buffer[16] = {};
                uint16_t size = sizeof buffer;
                const int32_t length = DvpGetTagData(&tag, buffer, &size);
                if (length == PROPTAG_ERR_NO_BLOCK) continue;
                ASSERT_TRUE(length == 8 || length == 12) << length;
                ASSERT_EQ(size, length);
                const uint8_t fill = length == 8 ? 'A' : 'B';
                ASSERT_TRUE(std::all_of(buffer, buffer + length, [&](uint8_t b) { return b == fill; }));
            }
        });
    }
    for (auto& t : threads) t.join();
    DvpReleaseTagData();
}

TEST(SiblingThreads, MatrixHandlesAreIndependent) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            colour red{}, green{}, blue{}, white{};
            red.x = 0.64, red.y = 0.33, green.x = 0.30, green.y = 0.60;
            blue.x = 0.15, blue.y = 0.06, white.x = 0.3127, white.y = 0.3290;
            white.Y = t + 1.0;  // the Y row adds up to the white's Y
            for (int i = 0; i < kRounds / 4; ++i) {
                void* m = nullptr;
                ASSERT_EQ(Colour_GetMatrix(&m, 0, red, green, blue, white), CHROMALIB_OK);
                double sum = 0, v = 0;
                for (int column = 0; column < 3; ++column) {
                    ASSERT_EQ(Colour_GetMatrixValue(&v, m, 1, column), CHROMALIB_OK);
                    sum += v;
                }
                EXPECT_NEAR(sum, t + 1.0, 1e-12);
                ASSERT_EQ(Colour_ReleaseMatrix(&m), CHROMALIB_OK);
            }
        });
    }
    for (auto& t : threads) t.join();
}

}  // namespace
}  // namespace dvc::test
