// Identification on the virtual monitors: model records from the built-in tables and from property
// tags, flavor tables, the tables derived from a record, and the model exports that answer from them.
#include <gmock/gmock.h>

#include <optional>

#include "features/model.hpp"
#include "registry/derived_tables.hpp"
#include "registry/registry_world.hpp"

using dvc::sim::FaultKind;
using dvc::sim::Link;
using namespace dvc::test;
using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;
using Identification = RegistryWorld;

namespace {

// Everything that one enumeration export yields from index 0 on.
template <class T, class Export>
std::vector<T> Enumerate(const WorldMonitor& m, Export next) {
    std::vector<T> out;
    T value{};
    for (int i = 0; next(m.serial, m.model, i, &value) == DvOk; ++i) out.push_back(value);
    return out;
}

std::vector<int> Ports(const WorldMonitor& m) {
    std::vector<int> ports(static_cast<std::size_t>(DvCtrlGetSupportedInputPortCount(m.serial, m.model)));
    EXPECT_EQ(DvCtrlGetSupportedInputPort(m.serial, m.model, ports.data(), static_cast<int>(ports.size())), DvOk);
    return ports;
}

const std::vector<double> kGradingGammas{1.8, 1.9, 2.0, 2.1, 2.2, 2.3, 2.4, 2.5, 2.6, -2.0, -1.0, -3.0, -3.0, -3.0};
const std::vector<int> kGradingIndices{5, 6, 7, 8, 9, 10, 11, 12, 13, 253, 255, 256, 257, 258};
const std::vector<int> kGradingKelvins{0,    4000, 4500, 5000, 5400, 5500, 6000, 6500,
                                       7000, 7500, 8000, 8100, 8500, 9000, 9300, 65534};
const std::vector<int> kCreativePorts{30, 40, 41, 0xA00, 0xA01, 0xA10};

// Models without property tags, identified from the built-in tables alone.
struct BuiltIn {
    const char* model;
    int modes;
    std::vector<double> gammas;
    std::vector<int> gammaIndices, kelvins, ports;
    int lutDepth;
    std::vector<int> tonality;
    std::size_t lutNames, aicNames;  // 0 AIC names: not supported
};
const BuiltIn kBuiltIn[] = {
    {"OF1700", 0, {1.8, 2.0, 2.2}, {1, 2, 3}, {0, 5000, 6500, 65534}, {0, 0}, -1, {0, 1, 2, 3}, 23, 0},
    {"OF2210", 0, {1.8, 2.2, 2.4}, {3, 5, 6}, {0, 5000, 6500, 9300, 65534}, {10, 20}, -1, {0, 1, 2, 3, 5}, 23, 0},
    {"CG2410", 0, kGradingGammas, kGradingIndices, kGradingKelvins, {30, 31, 40}, 10, {0, 3, 7, 10, 11}, 32, 21},
    {"CG3000",
     0,
     kGradingGammas,
     kGradingIndices,
     kGradingKelvins,
     {30, 31, 40},
     10,
     {3, 4, 7, 10, 11, 12, 28},
     32,
     17},
    {"MX1900", 0, {2.2, 2.4, -2.0}, {9, 11, 253}, {0, 6500, 7500, 65534}, {30, 31}, 10, {0, 10, 12, 13}, 22, 0},
    {"CX3200", 4, {}, {}, {}, kCreativePorts, -1, {}, 20, 0},
    {"CX2740K", 0, {}, {}, {}, kCreativePorts, -1, {}, 20, 0},  // a regional variant of its family
    {"CX2740KX", 0, {}, {}, {}, {}, -1, {}, 20, 0},             // one letter too many: no model at all
};

}  // namespace

TEST_F(Identification, ModelsWithoutTagsAreDescribedByTheBuiltInTables) {
    static_assert(std::size(kBuiltIn) <= 10, "serial numbers TBL00000 to TBL00009");
    const auto serial = [](std::size_t i) { return "TBL0000" + std::to_string(i); };
    std::string monitors;
    for (std::size_t i = 0; i < std::size(kBuiltIn); ++i) {
        monitors += std::string(i ? "," : "") + R"({"serial": ")" + serial(i) + R"(", "profile": "bare", "model": ")" +
                    kBuiltIn[i].model + R"(", "links": {"ddcci": true}})";
    }
    DiscoverJson(R"({"profiles": {"bare": {"model": "BARE", "features": {}}}, "monitors": [)" + monitors + "]}");
    for (std::size_t i = 0; i < std::size(kBuiltIn); ++i) {
        const BuiltIn& row = kBuiltIn[i];
        const std::string id = serial(i);
        const WorldMonitor m{id.c_str(), row.model};
        SCOPED_TRACE(row.model);
        EXPECT_EQ(DvCtrlGetModeCount(m.serial, m.model), row.modes);
        EXPECT_THAT(Enumerate<double>(m, DvCtrlEnumGamma), Pointwise(DoubleNear(1e-9), row.gammas));
        EXPECT_EQ(Enumerate<int>(m, DvCtrlEnumGammaIndex), row.gammaIndices);
        EXPECT_EQ(Enumerate<int>(m, DvCtrlEnumColorTemperature), row.kelvins);
        EXPECT_EQ(Ports(m), row.ports);
        int depth = 0;
        EXPECT_EQ(DvCtrlGetNativeLUTBitDepth(m.serial, m.model, &depth), row.lutDepth > 0 ? DvOk : DvErrNotSupported);
        EXPECT_EQ(depth, row.lutDepth);
        std::vector<int> tonality;
        ASSERT_EQ(dvc::features::LoadTonalityList(*Monitor(m), tonality), DvOk);
        EXPECT_EQ(tonality, row.tonality);
        std::vector<std::string> names;
        EXPECT_EQ(dvc::features::LutNames(*Monitor(m), names), DvOk);
        EXPECT_EQ(names.size(), row.lutNames);
        EXPECT_EQ(names.back(), "LUT084");
        const DvError aic = dvc::features::AicNames(*Monitor(m), names);
        EXPECT_EQ(aic == DvOk ? names.size() : 0u, row.aicNames);
        EXPECT_EQ(aic, row.aicNames ? DvOk : DvErrNotSupported);
    }
    double gamma = 0;
    for (const int past : {3, -1}) EXPECT_EQ(DvCtrlEnumGamma("TBL00000", "OF1700", past, &gamma), DvErrNoMoreItems);
    EXPECT_EQ(DvCtrlEnumGammaIndex("TBL00000", "OF1700", 0, nullptr), DvErrInvalidParameter);
}

// One tag block read by models in no table, in the second table and in both: tables win, tags fill the rest.
TEST_F(Identification, TagsFillWhatTheSecondTableLeavesOpen) {
    DiscoverJson(R"({"profiles": {
      "crafted": {"model": "ZZ9000", "features": {
        "0x50": {"kind": "tags", "tags": {
          "0x51": [2, 1, 0, 0, 3], "0x05": [128, 0, 0, 0, 255], "0x4C": {"u16": [3840, 2160]},
          "0x5C": {"u16": [10, 20, 300, 400]}, "0x3B": {"u16": [6000, 7000, 500, 1]}, "0x53": {"u16": [768, 2576]},
          "0x42": {"u16": [7, 0, 11, 1, 99]}, "0x61": {"u16": [3127, 3290]}, "0x62": [3, 4], "0x57": [3, 7, 11],
          "0x47": 10, "0x43": 4, "0x03": 515, "0x63": 254, "0x2A": "0x80000001"}},
        "0xFF0000F1": {"kind": "tags", "tags": {"0x01": 5, "0x02": 2, "0x03": "0xC003", "0x09": 0, "0x11": 128}}}},
      "few": {"model": "ZZ9001", "features": {"0x50": {"kind": "tags",
              "tags": {"0x51": 2, "0x05": "0x70000080", "0x3B": [1, 0, 2, 0, 1, 0, 0]}}}},
      "junk": {"model": "ZZ9002", "features": {"0x50": {"kind": "data", "data": [1, 2, 3, 4, 5, 6, 7, 8, 9, 10]}}}},
     "monitors": [
      {"serial": "TAGS0001", "profile": "crafted", "links": {"ddcci": true}},
      {"serial": "TAGS0002", "profile": "crafted", "model": "CX3200", "links": {"ddcci": true},
       "features": {"0x50": {"tags": {"0x3B": {"u16": [10, 20, 0, 0]}}}}},
      {"serial": "TAGS0003", "profile": "crafted", "model": "OF2210", "links": {"ddcci": true},
       "features": {"0x50": {"tags": {"0x3B": {"u16": [65534, 65535, 1, 0]}}}}},
      {"serial": "GRID0001", "profile": "few", "model": "CG2740", "links": {"ddcci": true}},
      {"serial": "GRID0002", "profile": "few", "model": "CG2560", "links": {"ddcci": true},
       "features": {"0xFF0100B0": {"max": 1, "value": 1}}},
      {"serial": "JUNK0001", "profile": "junk", "model": "CX2740", "links": {"ddcci": true}}]})");
    const WorldMonitor tagged{"TAGS0001", "ZZ9000"}, fixed{"TAGS0002", "CX3200"}, tagless{"TAGS0003", "OF2210"};
    // Integer items fold every four bytes, except the 4-byte feature mask.
    EXPECT_EQ(DvCtrlGetModeCount(tagged.serial, tagged.model), 0x0105);
    const auto& r = *Monitor(tagged)->Record();
    EXPECT_EQ(r.FeatureMask(), 0x80u);
    EXPECT_EQ(r.lutKinds, (std::vector<int>{1, 2, 3}));
    EXPECT_THAT(Enumerate<double>(tagged, DvCtrlEnumGamma), ElementsAre(1.4)) << "the user curve only without modes";
    EXPECT_EQ(std::pair(r.nativeWidth, r.nativeHeight), std::pair(3840u, 2160u));
    EXPECT_EQ(r.sensorRect, (std::array<uint16_t, 4>{10, 20, 300, 400}));
    EXPECT_EQ(Enumerate<int>(tagged, DvCtrlEnumColorTemperature), (std::vector<int>{6000, 6500, 7000, 0xFF00}));
    EXPECT_EQ(Ports(tagged), (std::vector<int>{30, 0xA10}));
    EXPECT_EQ(r.calibrationModes, (std::vector<std::pair<int, int>>{{7, 0}, {11, 1}}));
    EXPECT_DOUBLE_EQ(r.d65.x, 0.3127);
    EXPECT_DOUBLE_EQ(r.d65.y, 0.3290);
    EXPECT_EQ(r.usbcAltModePorts, (std::vector<int>{3, 4}));
    EXPECT_EQ(r.modeTable, (std::vector<uint8_t>{3, 7, 11}));
    EXPECT_EQ(r.gridLevels, dvc::registry::GridLevels(10));
    EXPECT_EQ(r.flag, 0);
    EXPECT_EQ(DvCtrlGetMediaEmuCount(tagged.serial, tagged.model), 4);
    int revision = 0;
    EXPECT_EQ(DvCtrlGetPanelRevision(tagged.serial, tagged.model, &revision), DvOk);
    EXPECT_EQ(revision, 515);
    // The flavor list ends at the first entry without modes; flags 15 up do not count.
    int out = 0, flags[32];
    EXPECT_EQ(DvCtrlGetPresetFlavor(tagged.serial, tagged.model, 0, &out), DvOk);
    EXPECT_EQ(out, 3);
    EXPECT_EQ(DvCtrlEnumSupportedFlavor(tagged.serial, tagged.model, 0, 1, &out), DvOk);
    EXPECT_EQ(out, 3);
    EXPECT_EQ(DvCtrlGetSupportedFeature(tagged.serial, tagged.model, 0, flags), DvOk);
    for (int k = 0; k < 32; ++k) EXPECT_EQ(flags[k], k == 0 || k == 1 || k == 14) << k;
    EXPECT_EQ(DvCtrlGetPresetFlavor(tagged.serial, tagged.model, 1, &out), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlEnumSupportedFlavor(tagged.serial, tagged.model, 0, 2, &out), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetSupportedFeature(tagged.serial, tagged.model, 0, nullptr), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetPresetFlavor("GRID0001", "CG2740", 0, &out), DvErrNotSupported) << "no flavor block";
    int ports[2] = {-1, -1};
    EXPECT_EQ(DvCtrlGetSupportedInputPort(tagged.serial, tagged.model, ports, 1), DvOk);
    EXPECT_THAT(ports, ElementsAre(30, -1));
    EXPECT_EQ(DvCtrlGetSupportedInputPort(tagged.serial, tagged.model, nullptr, 0), DvOk);
    EXPECT_EQ(DvCtrlGetSupportedInputPort(tagged.serial, tagged.model, nullptr, 1), DvErrInvalidParameter);

    // Colour-temperature ranges: a zero step names the start alone, the
    // range stops at 0xFFFF, a short record names nothing.
    EXPECT_EQ(Enumerate<int>(fixed, DvCtrlEnumColorTemperature), (std::vector<int>{10}));
    EXPECT_EQ(Enumerate<int>(tagless, DvCtrlEnumColorTemperature), (std::vector<int>{0xFFFE, 0xFFFF}));
    EXPECT_EQ(Enumerate<int>({"GRID0001", "CG2740"}, DvCtrlEnumColorTemperature), (std::vector<int>{}));
    EXPECT_EQ(DvCtrlGetModeCount(fixed.serial, fixed.model), 4);
    EXPECT_EQ(Ports(fixed), kCreativePorts);
    EXPECT_EQ(Monitor(tagless)->Record()->FeatureMask(), 0x80u) << "the first table is for models without tags";
    EXPECT_EQ(Monitor(tagless)->Record()->nativeWidth, 1920u);
    EXPECT_EQ(Ports(tagless), (std::vector<int>{10, 20}));
    // The table's grid needs a transferable 3D LUT; no LUT kinds when the mask marks all three LUT-less bits.
    EXPECT_EQ(Monitor({"GRID0001", "CG2740"})->Record()->gridCount, 0);
    EXPECT_EQ(Monitor({"GRID0002", "CG2560"})->Record()->gridCount, 10);
    EXPECT_TRUE(Monitor({"GRID0002", "CG2560"})->Record()->lutKinds.empty());
    // A block that does not parse leaves the record empty.
    EXPECT_EQ(DvCtrlGetSupportedInputPortCount("JUNK0001", "CX2740"), 0);
    EXPECT_EQ(Monitor({"JUNK0001", "CX2740"})->Record()->contrastScale, 0u);
}

// Only a plain failure moves on to the next path (a refusal still brings the block); when no path
// delivers, the built-in tables stand in.
TEST_F(Identification, APathThatFailsGivesWayToTheNextAndNoneLeavesTheTables) {
    Activate();
    const struct {
        std::optional<FaultKind> hid, ddcci;
        int modes, flavors;
        DvError again;
    } rows[] = {
        {FaultKind::Result, std::nullopt, 6, 4, DvOk},
        {FaultKind::RefusedData, FaultKind::Result, 6, 4, DvOk},
        {FaultKind::Result, FaultKind::Result, 0, 0, DvErrFailed},
    };
    for (const auto& row : rows) {
        dvc::sim::ClearFaults();
        for (const uint32_t code : {0x50u, 0xFF0000F1u}) {
            if (row.hid) dvc::sim::AddFault(FailingRead(Link::HID, code, kDual.serial, *row.hid));
            if (row.ddcci) dvc::sim::AddFault(FailingRead(Link::DDCCI, code, kDual.serial, *row.ddcci));
        }
        ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
        EXPECT_EQ(DvCtrlGetModeCount(kDual.serial, kDual.model), row.modes);
        int flavor = 0;
        EXPECT_EQ(DvCtrlGetPresetFlavor(kDual.serial, kDual.model, row.flavors - 1, &flavor),
                  row.flavors ? DvOk : DvErrNotSupported);
        EXPECT_EQ(flavor, row.flavors);
        EXPECT_EQ(Monitor(kDual)->ReadModelRecord(), row.again);
        EXPECT_EQ(Monitor(kDual)->ReadFlavorTable(), row.again);
    }
    EXPECT_EQ(Monitor(kOffice)->ReadModelRecord(), DvOk) << "no tag block is no failure";
    EXPECT_EQ(Monitor(kOffice)->ReadFlavorTable(), DvOk);
}
