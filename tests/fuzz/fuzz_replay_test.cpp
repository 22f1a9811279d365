// Replays each fuzz target's seed corpus, and a few hundred mutations of it,
// through the target's entry: no crash, no sanitizer report, no broken rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "targets.hpp"

// dvctl's LUT CSV target is a libFuzzer program of its own (lut_csv_fuzz.cpp).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace dvc::test {
namespace {

using Bytes = std::vector<uint8_t>;

struct Target {
    const char* name;
    fuzz::Entry entry;
    int mutations;  // the slow ones (a world per input) get fewer
};

constexpr Target kTargets[] = {
    {"identification", fuzz::IdentificationBlock, 400},
    {"infoframe", fuzz::SignalInfoFrame, 400},
    {"model_record", fuzz::ModelRecord, 400},
    {"settings_file", fuzz::SettingsFile, 400},
    {"edid_page", fuzz::EdidPage, 400},
    {"kv_block", fuzz::KvBlock, 400},
    {"selfcal_paged", fuzz::SelfcalPaged, 400},
    {"selfqc_keyed", fuzz::SelfqcKeyed, 400},
    {"hid_blocks", fuzz::HidBlocks, 400},
    {"tagged_transfer", fuzz::TaggedTransfer, 400},
    {"hid_reports", fuzz::HidReports, 400},
    {"capabilities", fuzz::Capabilities, 400},
    {"ddc_reply", fuzz::DdcReply, 400},
    {"world_json", fuzz::WorldJson, 40},
    {"state_json", fuzz::StateJson, 20},
    {"value_text", fuzz::ValueText, 400},
    {"lut_csv", LLVMFuzzerTestOneInput, 100},
};

std::vector<Bytes> Corpus(const std::string& name) {
    std::vector<Bytes> out;
    for (const auto& e : std::filesystem::directory_iterator(std::string(DVC_FUZZ_CORPUS) + "/" + name)) {
        std::ifstream in(e.path(), std::ios::binary);
        out.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return out;
}

// One change of the kinds a fuzzer makes.
Bytes Mutate(Bytes b, std::mt19937& rng) {
    const auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    switch (pick(5)) {
    case 0:
        if (!b.empty()) b[pick(b.size())] ^= static_cast<uint8_t>(1u << pick(8));
        break;
    case 1:
        if (!b.empty()) b[pick(b.size())] = static_cast<uint8_t>(pick(256));
        break;
    case 2: b.resize(pick(b.size() + 1)); break;
    case 3:
        b.insert(b.begin() + static_cast<long>(pick(b.size() + 1)), pick(16), static_cast<uint8_t>(pick(256)));
        break;
    default:
        if (!b.empty()) b.erase(b.begin() + static_cast<long>(pick(b.size())));
    }
    return b;
}

class FuzzReplay : public testing::TestWithParam<Target> {};

TEST_P(FuzzReplay, SeedsAndMutationsPass) {
    const Target& t = GetParam();
    const auto seeds = Corpus(t.name);
    ASSERT_FALSE(seeds.empty()) << "no seeds for " << t.name;
    for (const Bytes& seed : seeds) EXPECT_EQ(t.entry(seed.data(), seed.size()), 0);
    std::mt19937 rng(16);
    for (int i = 0; i < t.mutations; ++i) {
        Bytes input = seeds[i % seeds.size()];
        for (int n = 1 + i % 3; n > 0; --n) input = Mutate(std::move(input), rng);
        EXPECT_EQ(t.entry(input.data(), input.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, testing::ValuesIn(kTargets),
                         [](const auto& target) { return std::string(target.param.name); });

}  // namespace
}  // namespace dvc::test
