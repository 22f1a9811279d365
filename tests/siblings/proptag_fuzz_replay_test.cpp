// Runs the fuzz entry, with its own checks of the parser, over the seeds
// and a few thousand mutations of them, so that every build (and the
// sanitizer builds above all) exercises what the fuzzer explores.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "proptag/block_writer.hpp"
#include "proptag_seeds.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace dvc::test {
namespace {

using Bytes = std::vector<uint8_t>;

int RunEntry(const Bytes& input) { return LLVMFuzzerTestOneInput(input.data(), input.size()); }

// One random change of the kinds a fuzzer makes; resealing half of them
// lets the change get past the checksum to the item rules.
Bytes Mutate(Bytes b, std::mt19937& rng) {
    const auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    const auto byte = [&] { return static_cast<uint8_t>(pick(256)); };
    switch (pick(7)) {
    case 0:
        if (!b.empty()) b[pick(b.size())] ^= static_cast<uint8_t>(1u << pick(8));
        break;
    case 1:
        if (!b.empty()) b[pick(b.size())] = byte();
        break;
    case 2: b.resize(pick(b.size() + 1)); break;
    case 3: b.insert(b.begin() + static_cast<long>(pick(b.size() + 1)), pick(8), byte()); break;
    case 4:
        if (!b.empty()) b.erase(b.begin() + static_cast<long>(pick(b.size())));
        break;
    case 5:
        if (b.size() > 5) b[4 + pick(2)] = byte();
        break;  // the item count
    default: {  // the first item once more, counted: a repeated tag
        const long itemEnd = b.size() >= 12 ? 10 + (b[8] | b[9] << 8) : 0;
        if (itemEnd == 0 || static_cast<size_t>(itemEnd) > b.size() - 2) break;
        const Bytes item(b.begin() + 6, b.begin() + itemEnd);
        b.insert(b.end() - 2, item.begin(), item.end());
        ++b[4];
    }
    }
    if (pick(2) == 0) proptag::BlockWriter::Reseal(b);
    return b;
}

TEST(ProptagFuzzReplay, SeedsAndMutationsHoldTheParsersChecks) {
    const auto seeds = fuzz::Seeds();
    for (const Bytes& seed : seeds) EXPECT_EQ(RunEntry(seed), 0);

    std::mt19937 rng(20240611);
    for (int i = 0; i < 3000; ++i) {
        Bytes input = seeds[i % seeds.size()];
        for (int n = 1 + i % 3; n > 0; --n) input = Mutate(std::move(input), rng);
        EXPECT_EQ(RunEntry(input), 0);
    }
}

// What the fuzzer found worth keeping (fuzz/corpus/proptag), as it stands.
TEST(ProptagFuzzReplay, WholeCorpus) {
    for (const auto& e : std::filesystem::directory_iterator(PROPTAG_CORPUS)) {
        std::ifstream in(e.path(), std::ios::binary);
        EXPECT_EQ(RunEntry(Bytes(std::istreambuf_iterator<char>(in), {})), 0) << e.path();
    }
}

}  // namespace
}  // namespace dvc::test
