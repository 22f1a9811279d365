// The tables that follow from a model record, on constructed records.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "registry/builtin_table_data.hpp"
#include "registry/data_names.hpp"
#include "registry/derived_tables.hpp"
#include "registry/model_groups.hpp"

using namespace dvc::registry;

namespace {

ModelRecord WithWords(std::initializer_list<std::pair<std::size_t, uint32_t>> words) {
    ModelRecord r;
    for (const auto& [w, v] : words) r.words[w] = v;
    BuildFeatureLists(r);
    return r;
}

std::vector<uint16_t> Codes(const std::vector<GammaEntry>& t) {
    std::vector<uint16_t> c;
    for (const auto& e : t) c.push_back(e.code);
    return c;
}

std::vector<uint32_t> Kelvins(const std::vector<ColourTemperatureEntry>& t) {
    std::vector<uint32_t> k;
    for (const auto& e : t) k.push_back(e.kelvin);
    return k;
}

// A model that is in no group.
constexpr const char* kPlain = "ZZ0000";

}  // namespace

TEST(GammaTable, OlderFormStepsByTwoTenthsWithSpecialCurves) {
    // Bits 0, 4, 8 and 9 (no meaning), 13 and 15 of word 6; the high half
    // of word 6 does not count.
    const auto t = GammaTable(WithWords({{6, 0xFFFF0000u | 0x2311u | 0x8000u}}), kPlain);
    ASSERT_EQ(Codes(t), (std::vector<uint16_t>{0, 4, 8, 253, 255}));
    EXPECT_DOUBLE_EQ(t[0].value, 1.4);
    EXPECT_DOUBLE_EQ(t[1].value, 2.2);
    EXPECT_DOUBLE_EQ(t[2].value, 3.0);
    EXPECT_DOUBLE_EQ(t[3].value, -2.0);
    EXPECT_DOUBLE_EQ(t[4].value, -1.0);
}

TEST(GammaTable, OlderFormIsRenumberedForTheGammaGroup) {
    const std::string model(data::GammaModels().front());
    const auto t = GammaTable(WithWords({{6, 0x0007}, {46, 1u << 16}}), model);
    ASSERT_EQ(t.size(), 4u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(t[k].code, k);
        EXPECT_DOUBLE_EQ(t[k].value, 1.8 + 0.2 * static_cast<double>(k));
    }
    // The special entries of word 46 come after the renumbering.
    EXPECT_EQ(t[3].code, 256);
}

TEST(GammaTable, NewerFormTakesTheUserCurveOnlyWithoutModes) {
    const uint32_t bits = (1u << 0) | (1u << 8) | (1u << 16) | (1u << 17) | (1u << 29) | (1u << 31);
    const auto without = GammaTable(WithWords({{28, bits}}), kPlain);
    ASSERT_EQ(Codes(without), (std::vector<uint16_t>{0, 8, 16, 253, 255}));
    EXPECT_DOUBLE_EQ(without[1].value, 1.4 + 0.1 * 8);
    EXPECT_DOUBLE_EQ(without[2].value, 1.4 + 0.1 * 16);
    const auto with = GammaTable(WithWords({{28, bits}, {47, 3}}), kPlain);
    EXPECT_EQ(Codes(with), (std::vector<uint16_t>{0, 8, 16, 253}));
}

TEST(GammaTable, OlderFormWinsOverNewerAndWord46AddsSpecialCodes) {
    const auto t = GammaTable(WithWords({{6, 0x0001}, {28, 0xFFFF}, {46, (1u << 16) | (1u << 24) | (1u << 25) | (1u << 31) | 0xFFFFu}}),
                              kPlain);
    EXPECT_EQ(Codes(t), (std::vector<uint16_t>{0, 256, 264, 267, 273}));
    for (std::size_t i = 1; i < t.size(); ++i) EXPECT_DOUBLE_EQ(t[i].value, -3.0);
    EXPECT_TRUE(GammaTable(ModelRecord{}, kPlain).empty());
}

TEST(ColourTemperatureTable, WalksTheBitsWithPresetsAndInsertions) {
    // Native, 5000 K (bit 3), 6500 K (bit 6), 9300 K (bit 12), 10000 K
    // (bit 14), 5400 K and 8100 K inserted, user preset.
    const uint32_t bits = 1u | (1u << 3) | (1u << 6) | (1u << 12) | (1u << 14) | (1u << 26) | (1u << 27) | (1u << 31);
    const auto t = ColourTemperatureTable(WithWords({{2, bits}}));
    EXPECT_EQ(Kelvins(t), (std::vector<uint32_t>{0, 5000, 5400, 6500, 8100, 9300, 10000, 65534}));
    EXPECT_EQ(t[2].code, 26);
    EXPECT_EQ(t[4].code, 27);
    EXPECT_EQ(t.back().code, 255);
}

TEST(ColourTemperatureTable, Bit15NeedsBit25AndInsertionsNeedAWarmerEntry) {
    EXPECT_EQ(Kelvins(ColourTemperatureTable(WithWords({{2, (1u << 15) | (1u << 25)}}))),
              (std::vector<uint32_t>{10500}));
    EXPECT_EQ(Kelvins(ColourTemperatureTable(WithWords({{2, 1u << 15}}))), (std::vector<uint32_t>{0}));
    // Only 5000 K below: neither 5400 K nor 8100 K finds a place.
    EXPECT_EQ(Kelvins(ColourTemperatureTable(WithWords({{2, (1u << 3) | (1u << 26) | (1u << 27)}}))),
              (std::vector<uint32_t>{5000}));
    // Bits 13 and 16 to 24 and 28 to 30 count from (b + 6) x 500.
    EXPECT_EQ(Kelvins(ColourTemperatureTable(WithWords({{2, (1u << 13) | (1u << 16) | (1u << 30)}}))),
              (std::vector<uint32_t>{9500, 11000, 18000}));
}

TEST(FeatureLists, PairEachSetBitWithItsValueWord) {
    ModelRecord r;
    r.words[1] = (1u << 0) | (1u << 4) | (1u << 31);
    r.words[10] = 100;
    r.words[14] = 104;
    r.words[41] = 131;
    r.words[49] = (1u << 0) | (1u << 2) | (1u << 3) | (1u << 22) | (1u << 23);
    r.words[43] = 43;
    r.words[45] = 45;
    r.words[62] = 62;
    r.words[81] = 81;
    BuildFeatureLists(r);
    EXPECT_EQ(r.featureList1, (std::vector<FeaturePair>{{1, 100}, {16, 104}, {0x80000000u, 131}}));
    // Extended bits 0 to 2 take words 43 to 45, from bit 3 on word 62 + k - 3;
    // bit 23 would need word 82, which does not exist.
    EXPECT_EQ(r.featureList2,
              (std::vector<FeaturePair>{{1, 43}, {4, 45}, {8, 62}, {1u << 22, 81}, {1u << 23, 0}}));
    EXPECT_TRUE(r.IsNewerGeneration());
    EXPECT_TRUE(r.HasFeatureCode(16));
    EXPECT_FALSE(r.HasFeatureCode(2));
}

TEST(TonalityList, DerivedFromFeatureListsOrFixedForAtModeModels) {
    const auto r = WithWords({{1, (1u << 3) | (1u << 7)}, {49, (1u << 1)}});
    EXPECT_EQ(TonalityList(r, kPlain), (std::vector<int>{3, 7, 33}));
    const auto& atMode = data::AtModeRows().front();
    EXPECT_EQ(TonalityList(r, atMode.model), (std::vector<int>(atMode.tonality.begin(), atMode.tonality.end())));
}

TEST(ValueList, RangeThenMaskPresets) {
    const std::vector<uint8_t> range{0x88, 0x13, 0xA0, 0x0F + 0x10, 0xF4, 0x01, 0x05, 0x00};
    // 5000 to 8096 (0x1FA0) in steps of 500, then presets for mask bits 0 and 2.
    EXPECT_EQ(ValueListFromRange(range),
              (std::vector<uint16_t>{5000, 5500, 6000, 6500, 7000, 7500, 8000, 0xFF00, 0xFF02}));
}

TEST(ValueList, DegenerateRangesStayFinite) {
    // Zero step: the start alone.
    EXPECT_EQ(ValueListFromRange(std::vector<uint8_t>{10, 0, 20, 0, 0, 0, 0, 0}), (std::vector<uint16_t>{10}));
    // End below start: no range values.
    EXPECT_EQ(ValueListFromRange(std::vector<uint8_t>{20, 0, 10, 0, 1, 0, 0, 0}), (std::vector<uint16_t>{}));
    // A range up to 0xFFFF does not wrap around.
    EXPECT_EQ(ValueListFromRange(std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}),
              (std::vector<uint16_t>{0xFFFE, 0xFFFF}));
    EXPECT_TRUE(ValueListFromRange(std::vector<uint8_t>{1, 0, 2, 0, 1, 0, 0}).empty());
}

TEST(ValueList, TaglessModelsOfferTheirTableTemperatures) {
    const auto r = WithWords({{2, 1u | (1u << 6) | (1u << 31)}});
    EXPECT_EQ(ValueListFromTable(r), (std::vector<uint16_t>{0, 6500, 65534}));
}

TEST(GridLevels, StandardGridsOnly) {
    EXPECT_EQ(GridLevels(10), (std::vector<uint16_t>{0, 16, 32, 64, 96, 128, 160, 192, 224, 255}));
    const auto seventeen = GridLevels(17);
    ASSERT_EQ(seventeen.size(), 17u);
    EXPECT_EQ(seventeen[15], 240);
    EXPECT_EQ(seventeen[16], 255);
    EXPECT_TRUE(GridLevels(9).empty());
    EXPECT_TRUE(GridLevels(0).empty());
}

TEST(DataNames, LutNamesFollowTheTablesThenTheGeneratedRanges) {
    const std::vector<int> indices{1, 2, 273};
    const auto names = LutNamesFor(indices);
    ASSERT_EQ(names.size(), 23u);
    EXPECT_EQ(names[0], "LUT000");
    EXPECT_EQ(names[1], "LUT001");
    EXPECT_EQ(names[2], "LUT100");
    EXPECT_EQ(names[3], "LUT050");
    EXPECT_EQ(names[12], "LUT059");
    EXPECT_EQ(names[13], "LUT075");
    EXPECT_EQ(names[22], "LUT084");
    // Second-table names keep the enumeration's order, not the table's.
    const std::vector<int> special{268, 256, 273};
    const auto again = LutNamesFor(special);
    EXPECT_EQ(again[0], "LUT020");
    EXPECT_EQ(again[1], "LUT102");
    EXPECT_EQ(again[2], "LUT100");
    EXPECT_EQ(GeneratedDataName("AIC", 7), "AIC007");
    EXPECT_EQ(GeneratedDataName("LUT", 1234), "LUT1234");
}

TEST(DataNames, AicNamesOnlyForAtModeModelsWithTheirSecondRange) {
    std::vector<std::string> names{"kept"};
    EXPECT_EQ(AicNamesFor(kPlain, names), DvErrNotSupported);
    EXPECT_EQ(names, (std::vector<std::string>{"kept"}));
    std::multiset<std::size_t> sizes;
    for (const auto& row : data::AtModeRows()) {
        ASSERT_EQ(AicNamesFor(row.model, names), DvOk);
        EXPECT_EQ(names.front(), "AIC302");
        EXPECT_EQ(names[11], "AIC313");
        sizes.insert(names.size() - 12);
    }
    // Four members with 352 to 360, two with 354 to 359, one with 354 to 358.
    EXPECT_EQ(sizes, (std::multiset<std::size_t>{5, 6, 6, 9, 9, 9, 9}));
}

TEST(ModelGroups, SizesAndNesting) {
    EXPECT_EQ(ModelGroupSize(ModelGroup::AtMode), 7u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::Tagless), 31u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::Defaults), 83u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::DefaultsAlt), 33u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::Tonality), 16u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::Gamma), 3u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::NoInputAuto), 15u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::TonalityIndexNames), 5u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::TonalityName10), 5u);
    EXPECT_EQ(ModelGroupSize(ModelGroup::NoSignalCount), 7u);
    for (const auto name : data::TonalityIndexNameModels()) EXPECT_TRUE(InModelGroup(ModelGroup::AtMode, name)) << name;
    // Every row of the resolution table belongs to the second table, and
    // every tagless model has second-table values too.
    for (const auto& row : data::DefaultsAltRows()) EXPECT_TRUE(InModelGroup(ModelGroup::Defaults, row.model)) << row.model;
    for (const auto& row : data::TaglessRows()) EXPECT_TRUE(InModelGroup(ModelGroup::Defaults, row.model)) << row.model;
    for (const auto& row : data::DefaultsAltRows()) {
        const std::set<std::pair<uint32_t, uint32_t>> seen{{1920, 1080}, {1920, 1200}, {2560, 1440}, {3840, 2160}};
        EXPECT_TRUE(seen.count({row.width, row.height})) << row.model;
    }
}

TEST(ModelGroups, NamesMatchExactlyOrByPrefixAndLength) {
    EXPECT_TRUE(InModelGroup(ModelGroup::Tagless, "OF2210"));
    EXPECT_FALSE(InModelGroup(ModelGroup::Tagless, "OF221"));
    EXPECT_FALSE(InModelGroup(ModelGroup::Tagless, "of2210"));
    // The regional variants of a family: four characters and one more.
    const auto variant = std::find_if(data::DefaultsRows().begin(), data::DefaultsRows().end(),
                                      [](const data::DefaultsRow& r) { return r.match.prefixLength != 0; });
    ASSERT_NE(variant, data::DefaultsRows().end());
    std::string name(variant->match.text);
    name.resize(variant->match.prefixLength, 'X');
    EXPECT_TRUE(InModelGroup(ModelGroup::Defaults, name));
    EXPECT_FALSE(InModelGroup(ModelGroup::Defaults, name + "X"));
    EXPECT_TRUE(InModelGroup(ModelGroup::LegacyLutFamily, std::string(data::LegacyLutFamilyPrefix()) + "9999"));
    EXPECT_FALSE(InModelGroup(ModelGroup::LegacyLutFamily, kPlain));
}
