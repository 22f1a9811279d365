// Runs the .cube fuzz entry, with its own checks, over the seed files and
// a few thousand mutations of them, so that every build exercises it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

TEST(CubeFuzzReplay, SeedsAndMutations) {
    std::mt19937 rng(3);
    const auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    const char* const pieces[] = {"\n", " ", "#", "1e400", "-0.5", "nan", "LUT_3D_SIZE 3\n", "DOMAIN_MAX 2 1 1\n",
                                  "\""};
    for (const char* name : {"identity2.cube", "warm2.cube", "half3.cube"}) {
        const std::string seed{
            std::istreambuf_iterator<char>(std::ifstream(std::string(CUBE_SEEDS "/") + name).rdbuf()), {}};
        ASSERT_FALSE(seed.empty()) << name;
        for (int round = 0; round < 1500; ++round) {
            std::string s = seed;
            for (size_t k = pick(4); k > 0 && !s.empty(); --k) {
                const size_t at = pick(s.size()), how = pick(3);
                if (how == 0) s[at] = static_cast<char>(pick(128));
                else if (how == 1) s.erase(at, pick(8));
                else s.insert(at, pieces[pick(std::size(pieces))]);
            }
            ASSERT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(s.data()), s.size()), 0);
        }
    }
}

// What the fuzzer found worth keeping, as it stands.
TEST(CubeFuzzReplay, WholeCorpus) {
    for (const auto& e : std::filesystem::directory_iterator(CUBE_SEEDS)) {
        const std::string input{std::istreambuf_iterator<char>(std::ifstream(e.path()).rdbuf()), {}};
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size()), 0) << e.path();
    }
}
