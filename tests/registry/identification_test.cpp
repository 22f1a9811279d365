// Identification of a monitor through scripted paths and real tag blocks.
#include <gtest/gtest.h>

#include <vector>

#include "identify_fake_path.hpp"
#include "proptag/block_writer.hpp"
#include "registry/builtin_table_data.hpp"
#include "registry/identification_record.hpp"
#include "registry/model_groups.hpp"
#include "registry/varn_monitor.hpp"

using dvc::registry::ModelRecord;
using dvc::test::IdentifyPath;
using proptag::BlockWriter;

namespace {

// Tagged models with and without a fixed mode count in the second table.
constexpr const char* kTaggedModel = "CX2740";
constexpr const char* kFixedModesModel = "CX3200";
constexpr const char* kGradingModel = "CG3180";
constexpr const char* kTaglessModel = "OF2210";
// A model in no table at all.
constexpr const char* kUnknownModel = "ZZ9000";

struct Identified {
    DvError result;
    ModelRecord record;
};

Identified Identify(const char* model, std::vector<IdentifyPath*> paths) {
    VarnMonitor monitor("S0000001", model, 0);
    for (auto* p : paths) monitor.AddPath(p);
    const DvError r = monitor.ReadModelRecord();
    EXPECT_NE(monitor.Record(), nullptr);
    return {r, monitor.Record() != nullptr ? *monitor.Record() : ModelRecord{}};
}

ModelRecord TablesOnly(const char* model) { return dvc::registry::RecordFromTables(model); }

}  // namespace

TEST(ReadModelRecord, TaglessModelWithoutTagsGetsItsTableRecord) {
    auto path = IdentifyPath::Bare();
    const auto got = Identify(kTaglessModel, {&path});
    EXPECT_EQ(got.result, DvOk);
    EXPECT_EQ(path.tagReads, 0);
    EXPECT_EQ(got.record.words, TablesOnly(kTaglessModel).words);
    EXPECT_NE(got.record.FeatureMask(), 0u);
    EXPECT_EQ(got.record.contrastScale, 50u);
    EXPECT_EQ(got.record.inputPorts, (std::vector<int>{0x100, 0x200}));
    EXPECT_EQ(got.record.nativeWidth, 1920u);
    EXPECT_EQ(got.record.nativeHeight, 1080u);
    EXPECT_FALSE(got.record.featureList1.empty());
    EXPECT_FALSE(got.record.valueList.empty());

    // A size query that fails counts as no tag data.
    auto failing = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 6).Build());
    failing.tags.sizeResult = DvErrNotSupported;
    EXPECT_EQ(Identify(kTaglessModel, {&failing}).result, DvOk);
    EXPECT_EQ(failing.tagReads, 0);
}

TEST(ReadModelRecord, UnknownModelWithoutTagsHasNoCapabilities) {
    auto path = IdentifyPath::Bare();
    const auto got = Identify(kUnknownModel, {&path});
    EXPECT_EQ(got.result, DvOk);
    for (const uint32_t w : got.record.words) EXPECT_EQ(w, 0u);
    EXPECT_TRUE(got.record.inputPorts.empty());
    EXPECT_TRUE(got.record.featureList1.empty());
}

TEST(ReadModelRecord, NoPathsBuildsFromTablesOnceAndFails) {
    VarnMonitor monitor("S0000001", kTaglessModel, 1);
    EXPECT_EQ(monitor.ReadModelRecord(), DvErrFailed);
    ASSERT_NE(monitor.Record(), nullptr);
    EXPECT_EQ(monitor.Record()->words, TablesOnly(kTaglessModel).words);
    // A record that exists stays as it is.
    auto kept = std::make_unique<ModelRecord>();
    kept->words[47] = 9;
    monitor.SetRecord(std::move(kept));
    EXPECT_EQ(monitor.ReadModelRecord(), DvErrFailed);
    EXPECT_EQ(monitor.Record()->ModeCount(), 9u);
}

TEST(ReadModelRecord, PathThatFailsTheReadGivesWayToTheNext) {
    auto broken = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 2).Build());
    broken.tags.readResult = DvErrFailed;
    auto good = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 6).Build());
    const auto got = Identify(kTaggedModel, {&broken, &good});
    EXPECT_EQ(got.result, DvOk);
    EXPECT_EQ(got.record.ModeCount(), 6u);
    EXPECT_EQ(broken.tagReads, 1);
    EXPECT_EQ(good.tagReads, 1);
}

TEST(ReadModelRecord, OtherReadFailuresStillParseWhatCame) {
    // Only exactly 0x80000000 moves on; a refusal is an answer.
    auto refused = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 2).Build());
    refused.tags.readResult = DvErrRefused;
    auto unused = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 6).Build());
    const auto got = Identify(kTaggedModel, {&refused, &unused});
    EXPECT_EQ(got.result, DvOk);
    EXPECT_EQ(got.record.ModeCount(), 2u);
    EXPECT_EQ(unused.tagReads, 0);
}

TEST(ReadModelRecord, NoPathDeliversGivesTablesAndFailure) {
    auto a = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 2).Build());
    a.tags.readResult = DvErrFailed;
    IdentifyPath b{static_cast<const dvc::test::MonitorBlocks&>(a)};
    const auto got = Identify(kTaglessModel, {&a, &b});
    EXPECT_EQ(got.result, DvErrFailed);
    EXPECT_EQ(got.record.words, TablesOnly(kTaglessModel).words);
}

TEST(ReadModelRecord, TagsFillTheWordsTheirMapNames) {
    BlockWriter block;
    for (std::size_t w = 0; w < dvc::registry::word::kCount; ++w)
        if (const uint16_t t = dvc::registry::CapabilityTag(w); t != 0) block.Integer(t, 0x1000u + static_cast<uint32_t>(w));
    auto path = IdentifyPath::WithTags(block.Build());
    // A model outside the tables, so that every word comes from its tag.
    const auto got = Identify(kUnknownModel, {&path});
    ASSERT_EQ(got.result, DvOk);
    for (std::size_t w = 0; w < dvc::registry::word::kCount; ++w) {
        const bool tagged = !(w >= 36 && w <= 38) && !(w >= 49 && w <= 60);
        EXPECT_EQ(got.record.words[w], tagged ? 0x1000u + w : 0u) << "word " << w;
    }
    // Spot checks of the map itself.
    EXPECT_EQ(dvc::registry::CapabilityTag(6), 0x0E);
    EXPECT_EQ(dvc::registry::CapabilityTag(23), 0x1F);
    EXPECT_EQ(dvc::registry::CapabilityTag(47), 0x51);
    EXPECT_EQ(dvc::registry::CapabilityTag(75), 0x01);
    EXPECT_EQ(dvc::registry::CapabilityTag(81), 0x41);
}

TEST(ReadModelRecord, IntegerTagsAreLittleEndianFoldedEveryFourBytes) {
    auto path = IdentifyPath::WithTags(BlockWriter()
                                           .Bytes(0x51, {0x02, 0x01})                          // 0x0102
                                           .Bytes(0x06, {1, 0, 0, 0, 2})                       // 1 + 2
                                           .Bytes(0x05, {0x80, 0, 0, 0, 0xFF})                  // mask: four bytes
                                           .Bytes(0x07, {})                                    // empty: 0
                                           .Build());
    const auto got = Identify(kUnknownModel, {&path});
    EXPECT_EQ(got.record.ModeCount(), 0x0102u);
    EXPECT_EQ(got.record.Word(2), 3u);
    EXPECT_EQ(got.record.FeatureMask(), 0x80u);
    EXPECT_EQ(got.record.Word(3), 0u);
}

TEST(ReadModelRecord, TableValueWinsOverTag) {
    const auto block = BlockWriter().Integer(0x51, 6).Build();
    auto path = IdentifyPath::WithTags(block);
    EXPECT_EQ(Identify(kTaggedModel, {&path}).record.ModeCount(), 6u);
    auto fixed = IdentifyPath::WithTags(block);
    EXPECT_EQ(Identify(kFixedModesModel, {&fixed}).record.ModeCount(), 4u);
}

TEST(ReadModelRecord, TagPathSkipsTheFirstTable) {
    // A tagless model that does bring tags: only the second table and the
    // tags count.
    auto path = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 1).Build());
    const auto got = Identify(kTaglessModel, {&path});
    EXPECT_EQ(got.record.FeatureMask(), 0u);
    EXPECT_EQ(got.record.contrastScale, 50u);
    EXPECT_EQ(got.record.ModeCount(), 1u);
}

TEST(ReadModelRecord, LutKindsAreDerivedWhenTheTablesNameNone) {
    const auto kinds = [](uint32_t mask, uint32_t modes) {
        auto path = IdentifyPath::WithTags(BlockWriter().Integer(0x05, mask).Integer(0x51, modes).Build());
        return Identify(kUnknownModel, {&path}).record.lutKinds;
    };
    const std::vector<int> all{1, 2, 3};
    EXPECT_EQ(kinds(1u << 7, 0), all);
    EXPECT_EQ(kinds(1u << 11, 0), all);
    EXPECT_EQ(kinds(0, 3), all);
    EXPECT_EQ(kinds((1u << 28) | (1u << 29), 3), all);
    EXPECT_TRUE(kinds((1u << 28) | (1u << 29) | (1u << 30) | (1u << 7), 3).empty());
    EXPECT_TRUE(kinds(1u << 3, 0).empty());
}

TEST(ReadModelRecord, TagsGiveResolutionRectangleListsAndCounts) {
    auto path = IdentifyPath::WithTags(BlockWriter()
                                           .Words(0x4C, {3840, 2160})
                                           .Words(0x5C, {10, 20, 300, 400})
                                           .Words(0x3B, {6000, 7000, 500, 0x0001})
                                           .Words(0x53, {0x300, 0xA10})
                                           .Words(0x42, {7, 0, 11, 1, 99})
                                           .Words(0x61, {3127, 3290})
                                           .Bytes(0x62, {3, 4})
                                           .Bytes(0x57, {3, 7, 11})
                                           .Integer(0x47, 17)
                                           .Integer(0x43, 4)
                                           .Integer(0x03, 0x0203)
                                           .Integer(0x63, 0xFE)
                                           .Build());
    const auto r = Identify(kUnknownModel, {&path}).record;
    EXPECT_EQ(r.nativeWidth, 3840u);
    EXPECT_EQ(r.nativeHeight, 2160u);
    EXPECT_EQ(r.sensorRect, (std::array<uint16_t, 4>{10, 20, 300, 400}));
    EXPECT_EQ(r.valueList, (std::vector<uint16_t>{6000, 6500, 7000, 0xFF00}));
    EXPECT_EQ(r.inputPorts, (std::vector<int>{0x300, 0xA10}));
    EXPECT_EQ(r.calibrationModes, (std::vector<std::pair<int, int>>{{7, 0}, {11, 1}}));
    EXPECT_DOUBLE_EQ(r.d65.x, 0.3127);
    EXPECT_DOUBLE_EQ(r.d65.y, 0.3290);
    EXPECT_EQ(r.usbcAltModePorts, (std::vector<int>{3, 4}));
    EXPECT_EQ(r.modeTable, (std::vector<uint8_t>{3, 7, 11}));
    EXPECT_EQ(r.gridCount, 17);
    EXPECT_EQ(r.gridLevels.size(), 17u);
    EXPECT_EQ(r.mediaEmulationCount, 4u);
    EXPECT_EQ(r.panelRevision, 0x0203);
    EXPECT_EQ(r.flag, 0);
}

TEST(ReadModelRecord, TableResolutionAndPortsWinAndShortItemsAreIgnored) {
    auto path = IdentifyPath::WithTags(
        BlockWriter().Words(0x4C, {1, 1}).Words(0x53, {0x100}).Bytes(0x5C, {1, 2, 3, 4, 5, 6, 7}).Build());
    const auto r = Identify(kTaggedModel, {&path}).record;
    EXPECT_EQ(r.nativeWidth, 2560u);
    EXPECT_EQ(r.nativeHeight, 1440u);
    EXPECT_EQ(r.inputPorts.size(), 6u);
    EXPECT_EQ(r.sensorRect, (std::array<uint16_t, 4>{}));
    auto shortResolution = IdentifyPath::WithTags(BlockWriter().Bytes(0x4C, {0, 4, 0}).Build());
    EXPECT_EQ(Identify(kUnknownModel, {&shortResolution}).record.nativeWidth, 0u);
}

TEST(ReadModelRecord, GridCountFromTheTableNeedsATransferable3DLut) {
    const auto block = BlockWriter().Integer(0x51, 2).Build();
    auto without = IdentifyPath::WithTags(block);
    EXPECT_EQ(Identify(kGradingModel, {&without}).record.gridCount, 0);
    auto with = IdentifyPath::WithTags(block);
    with.lut3d = 1;
    const auto r = Identify(kGradingModel, {&with}).record;
    EXPECT_EQ(r.gridCount, 17);
    EXPECT_EQ(r.gridLevels.size(), 17u);
    EXPECT_NE(r.sensorX, 0u);
    auto tagged = IdentifyPath::WithTags(BlockWriter().Integer(0x47, 10).Build());
    tagged.lut3d = 1;
    EXPECT_EQ(Identify(kGradingModel, {&tagged}).record.gridCount, 10);
}

TEST(ReadModelRecord, MalformedBlocksLeaveTheRecordCleared) {
    auto block = BlockWriter().Integer(0x51, 6).Integer(0x05, 0xFF).Build();
    block.back() ^= 0x01;  // checksum
    auto bad = IdentifyPath::WithTags(block);
    const auto got = Identify(kTaggedModel, {&bad});
    EXPECT_EQ(got.result, DvOk);
    EXPECT_EQ(got.record.ModeCount(), 0u);
    EXPECT_TRUE(got.record.inputPorts.empty());
    EXPECT_EQ(got.record.contrastScale, 0u);

    // Garbage, a short block, a length past what was read, an impossible length.
    for (auto bytes : {std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, std::vector<uint8_t>{0x50, 0x54},
                       std::vector<uint8_t>{}}) {
        auto p = IdentifyPath::WithTags(bytes);
        EXPECT_EQ(Identify(kTaggedModel, {&p}).record.ModeCount(), 0u);
    }
    auto longer = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 6).Build());
    longer.tags.overrideLength = true;
    longer.tags.length = static_cast<uint32_t>(longer.tags.bytes.size()) + 40;
    EXPECT_EQ(Identify(kTaggedModel, {&longer}).record.ModeCount(), 0u);
    auto huge = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 6).Build());
    huge.tags.overrideLength = true;
    huge.tags.length = 0xFFFFFFFFu;
    const auto hugeGot = Identify(kTaggedModel, {&huge});
    EXPECT_EQ(hugeGot.result, DvOk);
    EXPECT_EQ(hugeGot.record.ModeCount(), 0u);
    EXPECT_EQ(huge.tagReads, 0);
}

TEST(ReadModelRecord, AMalformedBlockDoesNotLeaveAnEarlierBlockReadable) {
    // The first monitor's block is parsed and released; the second's is bad
    // and must not see the first's tags.
    auto good = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 6).Build());
    EXPECT_EQ(Identify(kUnknownModel, {&good}).record.ModeCount(), 6u);
    auto bad = IdentifyPath::WithTags({0x50, 0x54, 1, 0, 0, 0, 0, 0});
    EXPECT_EQ(Identify(kUnknownModel, {&bad}).record.ModeCount(), 0u);
}

TEST(ReadModelRecord, SecondIdentificationReplacesTheRecord) {
    VarnMonitor monitor("S0000001", kTaggedModel, 0);
    auto first = IdentifyPath::WithTags(BlockWriter().Integer(0x51, 6).Build());
    monitor.AddPath(&first);
    ASSERT_EQ(monitor.ReadModelRecord(), DvOk);
    EXPECT_EQ(monitor.Record()->ModeCount(), 6u);
    first.tags.bytes = BlockWriter().Integer(0x51, 3).Build();
    ASSERT_EQ(monitor.ReadModelRecord(), DvOk);
    EXPECT_EQ(monitor.Record()->ModeCount(), 3u);
}

namespace {

struct Flavors {
    DvError result;
    dvc::registry::FlavorTable table;
    bool exists;
};

Flavors ReadFlavors(std::vector<IdentifyPath*> paths) {
    VarnMonitor monitor("S0000001", kTaggedModel, 0);
    for (auto* p : paths) monitor.AddPath(p);
    const DvError r = monitor.ReadFlavorTable();
    const bool exists = monitor.Flavors() != nullptr;
    return {r, exists ? *monitor.Flavors() : dvc::registry::FlavorTable{}, exists};
}

IdentifyPath WithFlavors(std::vector<uint8_t> block) {
    auto blocks = IdentifyPath::BareBlocks();
    blocks.flavors.present = 1;
    blocks.flavors.bytes = std::move(block);
    return IdentifyPath(blocks);
}

}  // namespace

TEST(ReadFlavorTable, ParsesEntriesUntilTheFirstEmptyModeSet) {
    auto path = WithFlavors(BlockWriter()
                                .Integer(1, 5)                                    // modes 1 and 3
                                .Integer(2, 2)                                    // flavor 3
                                .Integer(3, (1u << 0) | (1u << 1) | (1u << 15))  // flags 0, 1; 15 is not one
                                .Integer(9, 0x80)                                 // mode 8
                                .Integer(10, 0)
                                .Integer(17, 0)                                   // end
                                .Integer(25, 1)
                                .Build());
    const auto got = ReadFlavors({&path});
    EXPECT_EQ(got.result, DvOk);
    EXPECT_EQ(got.table.model, kTaggedModel);
    ASSERT_EQ(got.table.entries.size(), 2u);
    const auto& first = got.table.entries[0];
    EXPECT_EQ(first.modes, (std::vector<int>{1, 3}));
    EXPECT_EQ(first.flavor, 3);
    for (int k = 0; k < 32; ++k) EXPECT_EQ(first.features[static_cast<std::size_t>(k)], k <= 1 ? 1 : 0) << k;
    EXPECT_EQ(got.table.entries[1].modes, (std::vector<int>{8}));
    EXPECT_EQ(got.table.entries[1].flavor, 1);
}

TEST(ReadFlavorTable, FirstEntryWithoutModesGivesAnEmptyList) {
    auto path = WithFlavors(BlockWriter().Integer(1, 0).Integer(2, 4).Integer(9, 3).Build());
    const auto got = ReadFlavors({&path});
    EXPECT_EQ(got.result, DvOk);
    EXPECT_TRUE(got.table.entries.empty());
}

TEST(ReadFlavorTable, AbsentOrUnreadableBlocks) {
    auto bare = IdentifyPath::Bare();
    auto r = ReadFlavors({&bare});
    EXPECT_EQ(r.result, DvOk);
    EXPECT_TRUE(r.exists);
    EXPECT_EQ(bare.flavorReads, 0);

    auto malformed = WithFlavors({1, 2, 3, 4, 5, 6, 7, 8});
    r = ReadFlavors({&malformed});
    EXPECT_EQ(r.result, DvOk);
    EXPECT_TRUE(r.table.entries.empty());

    auto failing = WithFlavors(BlockWriter().Integer(1, 1).Build());
    failing.flavors.readResult = DvErrFailed;
    auto second = WithFlavors(BlockWriter().Integer(1, 2).Build());
    r = ReadFlavors({&failing, &second});
    EXPECT_EQ(r.result, DvOk);
    ASSERT_EQ(r.table.entries.size(), 1u);
    EXPECT_EQ(r.table.entries[0].modes, (std::vector<int>{2}));

    IdentifyPath onlyFailing{static_cast<const dvc::test::MonitorBlocks&>(failing)};
    r = ReadFlavors({&onlyFailing});
    EXPECT_EQ(r.result, DvErrFailed);
    EXPECT_TRUE(r.exists);
    EXPECT_TRUE(r.table.entries.empty());

    r = ReadFlavors({});
    EXPECT_EQ(r.result, DvErrFailed);
    EXPECT_TRUE(r.exists);
}
